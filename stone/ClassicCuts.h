#pragma once

#include "stone/Brilliant.h"

#include <QString>
#include <vector>

namespace stone {

// A round brilliant by name: its three angles and proportions and what they
// leave open.
struct NamedCut {
    QString name;
    Proportions proportions;
    CutChoices choices;
};

// The classic round brilliants a computed cut is measured against: the
// 1919 proportions, a laboratory's reference and a well-reputed make.
std::vector<NamedCut> classicCuts();

// "Calculada": the name of the cut computed for an IR and épsilon when it is
// compared with the classic ones.
QString computedCutName();

}  // namespace stone

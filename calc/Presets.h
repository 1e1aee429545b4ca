#pragma once

#include "calc/ComputePlan.h"

#include <QStringView>

// What the DIAMANTE and CUARZO buttons put into the three fields, and the gem
// of the list each stands for: the stone is weighed as that gem, although
// the quartz's IR lies nearer iolite's.
struct Preset {
    InputFields fields;
    QStringView gem;  // the Spanish name of one of commonGems()
};

namespace Presets {

inline const Preset diamond{{QStringLiteral("2.419"), QStringLiteral("10"), QStringLiteral("10")},
                            u"Diamante"};
inline const Preset quartz{{QStringLiteral("1.540"), QStringLiteral("10"), QStringLiteral("12")},
                           u"Cuarzo (amatista, citrino)"};

}  // namespace Presets

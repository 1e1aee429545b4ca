#pragma once

#include <QString>
#include <optional>

// Which inclinations épsilon give a stone a cut that makes a brilliant: a
// low IR with a large épsilon gives a crown below the girdle, and the very
// lowest IRs need some épsilon for their table to fit.
namespace stone {

// Épsilon in degrees, from low to high.
struct EpsilonRange {
    double low = 0;
    double high = 0;
};

// The épsilons, from 0 to 89 degrees, for which the cut computed for IR (as
// the main window computes it) isCuttable: the widest run of them found at
// every tenth of a degree, its ends then narrowed down to a millionth of a
// degree, on their cuttable side. None when no épsilon cuts.
std::optional<EpsilonRange> cuttableEpsilons(double refractiveIndex);

// The advice of the message about a cut that makes no brilliant: "Con IR
// 1.001, pruebe con épsilon de 0.1 a 1.8.", the range rounded inwards to
// tenths, or that no épsilon works.
QString cuttableEpsilonsAdvice(double refractiveIndex);

}  // namespace stone

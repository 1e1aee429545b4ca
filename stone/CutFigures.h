#pragma once

#include "stone/CutComparison.h"

#include <QString>
#include <vector>

// The figures that compare a computed cut with the classic ones, as the
// verification window and the cut sheet show them.
namespace stone {

// The computed cut, named "Calculada", then the classic ones.
std::vector<NamedCut> cutsToCompare(const Proportions &computed, const CutChoices &choices);

// The ISO brightness against the tilt: face up, then each tilt averaged
// over the azimuths it was traced at.
struct TiltPoint {
    double tiltDeg = 0;
    double brightness = 0;
};
std::vector<TiltPoint> tiltCurve(const CutLight &light);

// A column of the comparison: a share of the light, and which way it ranks
// cuts: more light returned to the viewer is better, less leaked is better;
// the light reflected off the outside and the bands describe a cut without
// making it better or worse.
struct FigureColumn {
    enum class Better { more, less, neither };

    QString title;
    double (*share)(const CutLight &light);
    Better better = Better::more;
};
std::vector<FigureColumn> figureColumns();

// The row of the cut with the best value in a column that ranks cuts; 0 for
// no cuts.
std::size_t bestCut(const std::vector<CutLight> &cuts, const FigureColumn &column);

}  // namespace stone

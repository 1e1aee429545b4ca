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

// A column of the comparison: a share of the light, and whether less of it
// is better (light that leaks) or more (light returned to the viewer).
struct FigureColumn {
    QString title;
    double (*share)(const CutLight &light);
    bool lessIsBetter = false;
};
std::vector<FigureColumn> figureColumns();

// The row of the cut with the best value in column; 0 for no cuts.
std::size_t bestCut(const std::vector<CutLight> &cuts, const FigureColumn &column);

}  // namespace stone

#pragma once

#include "stone/CutComparison.h"
#include "stone/StoneDesign.h"

#include <QString>
#include <vector>

// The figures that compare a computed cut with the classic ones, as the
// verification window and the cut sheet show them.
namespace stone {

// The computed cut, named "Calculada", then the classic ones.
std::vector<NamedCut> cutsToCompare(const Proportions &computed, const CutChoices &choices);
// The design's cut, named "Calculada" or "Optimizada", then the classic ones.
std::vector<NamedCut> cutsToCompare(const StoneDesign &design);

// The ISO brightness against the tilt: face up, then each tilt averaged
// over the azimuths it was traced at.
struct TiltPoint {
    double tiltDeg = 0;
    double brightness = 0;
};
std::vector<TiltPoint> tiltCurve(const CutLight &light);

// A column of the comparison: a share of the light, and whether it ranks
// cuts. Only the brightness averaged over the tilts does: face up, an ideal
// stone's facets send whole images of one direction of the sky to the eye,
// so that a degree more or less of the viewer's head can move the face-up
// figures by points and reverse the cuts' order; averaged over the tilts,
// the brightness moves smoothly. The others describe a cut.
struct FigureColumn {
    QString title;
    double (*share)(const CutLight &light);
    bool ranks = false;
};
std::vector<FigureColumn> figureColumns();

// The column that ranks cuts: brillo inclinado.
FigureColumn rankingColumn();

// The row of the cut with the most tilted brightness; 0 for no cuts.
std::size_t bestCut(const std::vector<CutLight> &cuts);

}  // namespace stone

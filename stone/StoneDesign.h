#pragma once

#include "calc/CutResult.h"
#include "stone/Brilliant.h"
#include "stone/DesignLimits.h"
#include "stone/LightModel.h"

#include <QString>
#include <QtGlobal>
#include <optional>

// The stone being designed, as one value: what the window, the cut sheet and
// the command line all show.
namespace stone {

// What the stone is cut from: the refractive index the cut was computed for,
// its dispersion, and the density that turns its volume into a weight: those
// of a gem of the list, chosen or the one with the nearest index, or a
// density and a dispersion the cutter gave.
struct Material {
    enum class Source { nearestGem, chosenGem, ownDensity };

    double refractiveIndex = 0;  // at 589.3 nm, the sodium D line
    double density = 0;          // g/cm³
    double dispersion = 0;       // n(430.8 nm) − n(686.7 nm), the B–G value
    Source source = Source::ownDensity;
    qsizetype gem = -1;  // the gem's place in commonGems(), unless ownDensity
};

// The material of the gem at that place in commonGems(), chosen for IR.
Material gemMaterial(double IR, qsizetype gem);
// The material of the gem of the list whose index is nearest to IR.
Material nearestGemMaterial(double IR);
// A density and a dispersion given for IR, no gem's.
Material ownMaterial(double IR, double density, double dispersion);

// Who looks at the stone's light: an eye at a distance from the stone's
// centre, or at infinity, whose head hides a cone of the sky about each line
// of sight.
struct Viewer {
    double headDeg = 15;
    double eyeDistanceCm = 25;  // 0: at infinity
};

// The cut computed for IR, épsilon and a girdle width D, or one the search
// found brighter that the cutter took instead; what the cutter chooses
// beyond it, its material and its viewer.
struct StoneDesign {
    CutResult cut;
    // The table and angles of the optimised cut, when the design uses it;
    // its star and lower-half lengths are in choices.
    std::optional<Proportions> optimised;
    double D = 0;  // mm
    CutChoices choices;
    int gear = 96;
    Material material;
    Viewer viewer;

    Proportions proportions() const { return optimised ? *optimised : proportionsOf(cut); }
};

// The design of a cut computed for a width D, cut from material, with the
// usual choices.
StoneDesign designOf(const CutResult &cut, double D, const Material &material);

// A value typed in for the design, as it stands; setting the density makes it
// the cutter's own.
double valueOf(const StoneDesign &design, DesignValue value);
void setValue(StoneDesign &design, DesignValue value, double number);

// Which cut the design is made of: "calculada" or "optimizada".
QString cutKind(const StoneDesign &design);

// True when the design's pavilion is steeper than the critical angle does
// not allow: light leaks through it, and the read-out says ESPEJAR.
bool pavilionLeaks(const StoneDesign &design);

// True when both designs return the same light: the same cut, choices,
// index and viewer, and, unless the eye is at infinity, width; whatever their
// gear or density.
bool sameLight(const StoneDesign &a, const StoneDesign &b);

// Where the eye of the design's viewer stands from the stone's centre, in D;
// 0 at infinity.
double eyeDistanceInD(const StoneDesign &design);
// Whether the eye stands clear of the stone: at infinity, or at two
// diameters or more from its centre.
bool isEyeClear(const StoneDesign &design);

// Why the light of a design whose eye is not clear of the stone is not traced.
QString eyeTooCloseMessage(const StoneDesign &design);

// What tracing a view of the design needs besides the stone, with a grid of
// raysAcross rays.
ViewSettings viewSettingsOf(const StoneDesign &design, int raysAcross);

}  // namespace stone

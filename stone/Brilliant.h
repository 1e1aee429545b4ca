#pragma once

#include "stone/Tiers.h"
#include "stone/Vec3.h"

#include <vector>

struct CutResult;

// The round brilliant as a convex body. Lengths are in units of the girdle
// diameter D (D = 1); z points up, z = 0 at mid-girdle; azimuth 0 lies along
// +x, where a bezel and a pavilion main stand, and grows counter-clockwise
// seen from above.
namespace stone {

// The 2-D cut: table width a/D, crown angle i and pavilion angle alfa, in degrees.
struct Proportions {
    double table = 0;
    double crownDeg = 0;
    double pavilionDeg = 0;
};

// What the 2-D cut leaves open.
struct CutChoices {
    double girdlePercent = 0;        // g, % of D (0..10)
    double starPercent = 50;         // star length (10..90)
    double lowerGirdlePercent = 80;  // lower-girdle length (10..90)
};

struct Facet {
    Tier tier;
    int number;                  // 1.. within its tier, counter-clockwise from azimuth 0
    Vec3 normal;                 // outward unit normal
    double offset;               // its plane: dot(normal, p) == offset; inside: <= offset
    std::vector<Vec3> vertices;  // the outline, counter-clockwise seen from outside
    double area;
    double azimuthDeg;  // of the normal's horizontal part, 0 <= az < 360 (table: 0)
    double angleDeg;    // machine angle: between the facet and the girdle plane (table 0)
};

struct Brilliant {
    // The 57 flat facets in cutting order; the girdle is not one of them.
    std::vector<Facet> facets;
    // The stone is the intersection of all facets' half-spaces and the infinite
    // cylinder x² + y² <= girdleRadius²; the girdle band lies between
    // z = ±girdleHalfHeight.
    double girdleRadius = 0.5;
    double girdleHalfHeight = 0;
    double crownHeight = 0, pavilionDepth = 0, totalDepth = 0;  // in D
    double volume = 0;                                          // in D³
};

// The proportions of a solved cut.
Proportions proportionsOf(const CutResult &cut);

// True when the cut makes a brilliant: crown and pavilion angles between 0°
// and 90°, and a table narrow enough for the bezels to meet it inside the
// girdle. A low IR with a large épsilon can give a crown below the girdle.
bool isCuttable(const Proportions &cut);

// The brilliant of a cut that isCuttable.
Brilliant buildBrilliant(const Proportions &cut, const CutChoices &choices = {});

// The estimated weight in carats of a stone of this shape, girdle diameter
// diameterMm and density in g/cm³ (one carat is 0.2 g).
double caratWeight(const Brilliant &stone, double diameterMm, double density);

}  // namespace stone

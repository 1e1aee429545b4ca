#pragma once

#include "stone/Vec3.h"

#include <vector>

namespace stone {

// Lengths in units of the girdle diameter D (D = 1); z up, z = 0 at mid-girdle; azimuth 0 along +x
// (a bezel and a pavilion main stand there), counter-clockwise seen from above.
enum class Tier { PavilionMain, LowerHalf, Girdle, Bezel, Star, UpperHalf, Table, Culet };
struct Proportions {
    double table = 0;
    double crownDeg = 0;
    double pavilionDeg = 0;
};
struct CutChoices {
    double girdlePercent = 0;
    double starPercent = 50;
    double lowerGirdlePercent = 80;
};
struct Facet {
    Tier tier;
    int number;
    Vec3 normal;
    double offset;
    std::vector<Vec3> vertices;
    double area;
    double azimuthDeg;
    double angleDeg;
};
struct Brilliant {
    std::vector<Facet> facets;
    double girdleRadius = 0.5;
    double girdleHalfHeight = 0;
    double crownHeight = 0, pavilionDepth = 0, totalDepth = 0;
    double volume = 0;
};
Brilliant buildBrilliant(const Proportions &cut, const CutChoices &choices = {});

}  // namespace stone

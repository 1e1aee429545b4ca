#pragma once

// The recommended cut for a stone. Angles are in radians; the four ratios are
// fractions of the girdle width D.
struct CutResult {
    double IR = 0;         // refractive index
    double eps = 0;        // inclination of the light leaving the table
    double critAngle = 0;  // critical angle of total internal reflection
    double epsIn = 0;      // that inclination inside the stone
    double x = 0;          // solved trial proportion (b / D for eps = 0)
    double beta = 0;       // arcsine of x
    double i = 0;          // crown angle
    double deltaI = 0;     // deviation of a vertical ray entering a crown facet
    double alfa = 0;       // pavilion angle
    double aRatio = 0;     // table width / D
    double bRatio = 0;     // horizontal span of one crown facet / D
    double qRatio = 0;     // crown height / D
    double nRatio = 0;     // pavilion depth / D
};

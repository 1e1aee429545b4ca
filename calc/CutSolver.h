#pragma once

#include "calc/CutResult.h"

// How the search for the trial proportion ended.
struct SolverReport {
    int passes = 0;        // bisection passes run
    bool matched = false;  // false: no trial proportion gives this IR
};

// Arcsine as arctan(s / sqrt(1 - s*s)), the form all angle results are
// reproduced with.
double arcsine(double s);

// Critical angle of total internal reflection for refractive index IR.
double criticalAngle(double IR);

// The cut that optimises brilliance for refractive index IR and inclination
// eps (radians) of the light leaving the table. The bisection only matches an
// IR that its trial value, rounded to three decimals, can equal; otherwise it
// stops once the bracket cannot narrow and reports matched = false.
CutResult solveCut(double IR, double eps, SolverReport *report = nullptr);

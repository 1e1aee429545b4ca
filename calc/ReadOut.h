#pragma once

#include "calc/CutResult.h"

class Canvas;

// Prints the eight result lines (a, b, i, alfa, D, H, q, n) for a stone of
// width D at their fixed places on the results canvas.
void printResults(Canvas &picture1, double D, const CutResult &cut);

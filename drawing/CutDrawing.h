#pragma once

#include "calc/CutResult.h"

class Canvas;
class Pacer;

// Draws a computed cut for a stone of width D in the order the user watches
// it: both profiles, the rays on picture2 one paced segment at a time, then
// the dimensions and the eight results on picture1.
void drawCut(Canvas &picture1, Canvas &picture2, double D, const CutResult &cut, Pacer &pacer);

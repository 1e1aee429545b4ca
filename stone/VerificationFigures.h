#pragma once

#include "stone/ColourTracer.h"
#include "stone/CutComparison.h"
#include "stone/LightMap.h"
#include "stone/StoneDesign.h"

#include <vector>

namespace stone {

// A design's light checked in 3-D, once traced whole: the stone as cut, its
// light map face up, and its light beside the classic cuts', the computed cut
// first.
struct VerificationFigures {
    StoneDesign design;  // the one traced
    Brilliant stone;
    LightMap faceUpMap;
    std::vector<CutLight> cuts;
    ColourView faceUpColour;  // under the lamps
};

}  // namespace stone

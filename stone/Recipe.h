#pragma once

#include "stone/Brilliant.h"
#include "stone/DesignLimits.h"

#include <vector>

namespace stone {

// One tier of the cutting recipe.
struct RecipeStep {
    Tier tier = Tier::PavilionMain;
    int count = 0;           // facets in the tier
    double angleDeg = 0;     // machine angle
    double azimuthDeg = 0;   // of the tier's first facet
    std::vector<int> teeth;  // the nearest tooth to each facet, from 1 to the gear's count
    double cheaterDeg = 0;   // the largest angle between a facet's azimuth and its tooth
    bool round = false;      // the girdle: ground while the stone turns, on no tooth
};

struct Recipe {
    int gear = 96;
    std::vector<RecipeStep> steps;  // in cutting order, the girdle between pavilion and crown
};

// The recipe for cutting the stone on an index gear of the given teeth:
// every angle and azimuth is the body's own.
Recipe cuttingRecipe(const Brilliant &stone, int gear);

}  // namespace stone

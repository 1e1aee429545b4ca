#pragma once

#include "stone/Brilliant.h"
#include "stone/DesignLimits.h"

#include <vector>

namespace stone {

// Where the index gear puts one facet: its tooth, and the cheater that turns
// the stone from that tooth onto the facet's azimuth.
struct IndexSetting {
    int tooth = 0;          // from 1 to the gear's count, which stands at azimuth 0
    double cheaterDeg = 0;  // the facet's azimuth minus the tooth's: + towards higher teeth
};

// One tier of the cutting recipe.
struct RecipeStep {
    Tier tier = Tier::PavilionMain;
    int count = 0;          // facets in the tier
    double angleDeg = 0;    // machine angle
    double azimuthDeg = 0;  // of the tier's first facet
    // One per facet, by azimuth from 0; none for the girdle and the table.
    std::vector<IndexSetting> settings;
    bool round = false;  // the girdle: ground while the stone turns, on no tooth
};

struct Recipe {
    int gear = 96;
    std::vector<RecipeStep> steps;  // in cutting order, the girdle between pavilion and crown
};

// The recipe for cutting the stone on an index gear of the given teeth:
// every angle and azimuth is the body's own. Each tier's teeth are mirror
// images about every main, lie within half a tooth of their facets, and are
// the same for tiers at the same azimuths.
Recipe cuttingRecipe(const Brilliant &stone, int gear);

}  // namespace stone

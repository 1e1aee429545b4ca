#include "stone/Recipe.h"

#include <algorithm>
#include <cmath>

namespace stone {

namespace {

constexpr double kTurn = 360;

// A facet's tooth on the gear, counting the full turn for 0, and how far
// its azimuth lies from that tooth.
struct ToothSetting {
    int tooth = 0;
    double offsetDeg = 0;
};

ToothSetting nearestTooth(double azimuthDeg, int gear) {
    const double pitch = kTurn / gear;
    const long nearest = std::lround(azimuthDeg / pitch);
    const int tooth = int(nearest % gear);
    return {tooth == 0 ? gear : tooth, std::abs(azimuthDeg - nearest * pitch)};
}

RecipeStep stepOf(Tier tier, const std::vector<const Facet *> &facets, int gear) {
    RecipeStep step;
    step.tier = tier;
    step.count = int(facets.size());
    step.angleDeg = facets.front()->angleDeg;
    step.azimuthDeg = facets.front()->azimuthDeg;
    if (tier == Tier::Table)
        return step;
    for (const Facet *f : facets) {
        const ToothSetting setting = nearestTooth(f->azimuthDeg, gear);
        step.teeth.push_back(setting.tooth);
        step.cheaterDeg = std::max(step.cheaterDeg, setting.offsetDeg);
    }
    return step;
}

RecipeStep girdleStep() {
    RecipeStep step;
    step.tier = Tier::Girdle;
    step.count = tierRow(Tier::Girdle).facets;
    step.angleDeg = 90;
    step.round = true;
    return step;
}

}  // namespace

const std::vector<int> &indexGears() {
    static const std::vector<int> gears{64, 72, 80, 96, 120};
    return gears;
}

bool isIndexGear(int teeth) {
    const auto &gears = indexGears();
    return std::find(gears.begin(), gears.end(), teeth) != gears.end();
}

Recipe cuttingRecipe(const Brilliant &stone, int gear) {
    Recipe recipe;
    recipe.gear = gear;
    for (const TierRow &row : tierTable) {
        const Tier tier = row.tier;
        if (row.part == StonePart::Girdle) {
            recipe.steps.push_back(girdleStep());
            continue;
        }
        std::vector<const Facet *> facets;
        for (const Facet &f : stone.facets) {
            if (f.tier == tier)
                facets.push_back(&f);
        }
        if (!facets.empty())
            recipe.steps.push_back(stepOf(tier, facets, gear));
    }
    return recipe;
}

}  // namespace stone

#include "stone/Recipe.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace stone {

namespace {

constexpr double kTurn = 360;
// Places on the gear closer than this, in teeth, are one place: far above
// the azimuths' rounding, far below any real difference.
constexpr double kSamePlace = 1e-9;

// A facet's place on the gear: in teeth from azimuth 0, a facet just short
// of a full turn counted at 0.
struct GearPlace {
    double teeth = 0;
    const Facet *facet = nullptr;
};

GearPlace placeOf(const Facet &facet, int gear) {
    const double teeth = facet.azimuthDeg * gear / kTurn;
    return {teeth > gear - kSamePlace ? teeth - gear : teeth, &facet};
}

bool isHalfWay(double teeth) {
    return std::abs(teeth - std::floor(teeth) - 0.5) < kSamePlace;
}

// The settings of a tier's facets, taken by azimuth. A facet half-way
// between two teeth goes to the higher and the lower one in turn, the first
// to the higher: a tier lies symmetrically about each main, so the two such
// facets beside a main go opposite ways and stay mirror images, and tiers at
// the same azimuths get the same teeth. Any other facet takes its nearest
// tooth.
std::vector<IndexSetting> settingsOf(const std::vector<GearPlace> &byAzimuth, int gear) {
    std::vector<IndexSetting> settings;
    bool halfWayGoesUp = true;
    for (const GearPlace &place : byAzimuth) {
        double tooth = std::round(place.teeth);
        if (isHalfWay(place.teeth)) {
            tooth = std::floor(place.teeth) + (halfWayGoesUp ? 1 : 0);
            halfWayGoesUp = !halfWayGoesUp;
        }
        const int number = int(std::lround(tooth)) % gear;
        settings.push_back({number == 0 ? gear : number, (place.teeth - tooth) * kTurn / gear});
    }
    return settings;
}

RecipeStep stepOf(Tier tier, std::vector<GearPlace> places, int gear) {
    std::sort(places.begin(), places.end(),
              [](const GearPlace &a, const GearPlace &b) { return a.teeth < b.teeth; });
    RecipeStep step;
    step.tier = tier;
    step.count = int(places.size());
    step.angleDeg = places.front().facet->angleDeg;
    step.azimuthDeg = places.front().facet->azimuthDeg;
    // The table is cut flat: the gear does not turn it.
    if (tier != Tier::Table)
        step.settings = settingsOf(places, gear);
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
        if (row.part == StonePart::Girdle) {
            recipe.steps.push_back(girdleStep());
            continue;
        }
        std::vector<GearPlace> places;
        for (const Facet &f : stone.facets) {
            if (f.tier == row.tier)
                places.push_back(placeOf(f, gear));
        }
        if (!places.empty())
            recipe.steps.push_back(stepOf(row.tier, std::move(places), gear));
    }
    return recipe;
}

}  // namespace stone

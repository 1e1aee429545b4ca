#pragma once

#include <vector>

// What a cutter may choose beyond the computed cut, and within which limits:
// the one list that the windows' fields, the command line's options and the
// help all read.
namespace stone {

struct ValueRange {
    double low = 0;
    double high = 0;
    bool orZero = false;  // 0 is taken too, for what it means apart

    bool contains(double value) const {
        return (value >= low && value <= high) || (orZero && value == 0);
    }
};

// The girdle's thickness, in % of D.
inline constexpr ValueRange girdleLimits{0, 10};
// The stars' length, from the table's edge towards the girdle, in %.
inline constexpr ValueRange starLimits{10, 90};
// The lower halves' length, from the girdle towards the culet, in %.
inline constexpr ValueRange lowerHalfLimits{10, 90};
// The density that turns the volume into a weight, in g/cm³: from amber's
// and jet's to beyond cassiterite's and cinnabar's.
inline constexpr ValueRange densityLimits{1, 10};
// The dispersion, the index at 430.8 nm less that at 686.7 nm: 0 makes no
// fire, and no gem's reaches a third of the limit.
inline constexpr ValueRange dispersionLimits{0, 0.3};
// The half angle of the cone about the zenith that the viewer's head hides,
// in degrees: at 90 it would hide the whole sky.
inline constexpr ValueRange headLimits{0, 89};
// The distance of the viewer's eye from the stone's centre, in cm: from
// close study to arm's length; 0 puts the eye at infinity.
inline constexpr ValueRange eyeDistanceLimits{10, 100, true};
// Camera rays across the stone's silhouette in each traced view.
inline constexpr ValueRange raysLimits{10, 2000};

// Where the search for the brightest round brilliant looks: the proportions
// cutters accept, which the cutter may narrow. The table in % of D, the
// angles in degrees, the stars' and lower halves' lengths in %.
inline constexpr ValueRange tableSearchLimits{45, 70};
inline constexpr ValueRange crownSearchLimits{20, 50};
inline constexpr ValueRange pavilionSearchLimits{36, 50};
inline constexpr ValueRange starSearchLimits{30, 70};
inline constexpr ValueRange lowerHalfSearchLimits{60, 90};
// The most total depth, table to culet, a searched cut may be held to, in %
// of D: the shallowest cut of the search's ranges is about 42 % deep, the
// deepest about 103 %.
inline constexpr ValueRange maxDepthLimits{40, 110};
// The least weight a searched cut may be held to keep, against the computed
// cut's, in %.
inline constexpr ValueRange minRetentionLimits{50, 150};

// The weight of the fire in the search's objective con-fuego: the fire is a
// share of the stone's face, a few hundredths at most.
inline constexpr ValueRange fireWeightLimits{0, 20};

// The values of a design that a cutter types in, each within its limits.
enum class DesignValue {
    girdle,
    starLength,
    lowerHalfLength,
    density,
    dispersion,
    headCone,
    eyeDistance
};
ValueRange limitsOf(DesignValue value);

// The index gears a faceting machine takes, by their number of teeth.
const std::vector<int> &indexGears();
bool isIndexGear(int teeth);

}  // namespace stone

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
// The half angle of the cone about the zenith that the viewer's head hides,
// in degrees: at 90 it would hide the whole sky.
inline constexpr ValueRange headLimits{0, 89};
// The distance of the viewer's eye from the stone's centre, in cm: from
// close study to arm's length; 0 puts the eye at infinity.
inline constexpr ValueRange eyeDistanceLimits{10, 100, true};
// Camera rays across the stone's silhouette in each traced view.
inline constexpr ValueRange raysLimits{10, 2000};

// The values of a design that a cutter types in, each within its limits.
enum class DesignValue { girdle, starLength, lowerHalfLength, density, headCone, eyeDistance };
ValueRange limitsOf(DesignValue value);

// The index gears a faceting machine takes, by their number of teeth.
const std::vector<int> &indexGears();
bool isIndexGear(int teeth);

}  // namespace stone

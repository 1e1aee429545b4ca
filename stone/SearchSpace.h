#pragma once

#include "stone/ClassicCuts.h"
#include "stone/DesignLimits.h"

#include <array>
#include <vector>

// The round brilliants the search for the brightest cut may return: five
// proportions within ranges the cutter may narrow, the girdle fixed, and
// limits on the depth and on the weight kept.
namespace stone {

// What the search varies.
struct CutVariables {
    double tablePercent = 0;  // % of D
    double crownDeg = 0;
    double pavilionDeg = 0;
    double starPercent = 0;
    double lowerHalfPercent = 0;
};

// The search's ranges, each within its limits in stone/DesignLimits.h, and
// its limits on the stone as a whole.
struct SearchBounds {
    ValueRange table = tableSearchLimits;
    ValueRange crown = crownSearchLimits;
    ValueRange pavilion = pavilionSearchLimits;
    ValueRange star = starSearchLimits;
    ValueRange lowerHalf = lowerHalfSearchLimits;
    double maxDepthPercent = 0;      // total depth, in % of D; 0: any
    double minRetentionPercent = 0;  // volume against the reference's, in %; 0: any
};

// The variables of a cut, and the cut of some variables with a girdle.
CutVariables variablesOf(const NamedCut &cut);
NamedCut cutOf(const CutVariables &variables, double girdlePercent, const QString &name);

// The bounds as a unit cube: each variable from 0 at the low end of its
// range to 1 at the high one. Points outside the cube stand for the nearest
// point on it.
class SearchSpace {
public:
    static constexpr int dimensions = 5;
    using Point = std::array<double, dimensions>;

    // referenceVolume: the computed cut's, in D³, that retention is measured against.
    SearchSpace(const SearchBounds &bounds, double girdlePercent, double referenceVolume);

    static Point clamped(Point point);
    CutVariables variablesAt(const Point &point) const;
    Point pointOf(const CutVariables &variables) const;  // clamped into the cube
    NamedCut cutAt(const Point &point, const QString &name) const;

    // The volume of the cut at point against the reference's, in %.
    double retentionPercent(const Point &point) const;
    // Whether the cut at point makes a brilliant within the depth and
    // retention limits.
    bool isFeasible(const Point &point) const;
    // Where the depth and the retention limits are met first, when there are
    // any: the shallowest and the heaviest corner of the table and angles.
    std::vector<Point> limitCorners() const;

private:
    SearchBounds bounds_;
    double girdlePercent_;
    double referenceVolume_;
};

}  // namespace stone

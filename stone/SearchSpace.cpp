#include "stone/SearchSpace.h"

#include <algorithm>

namespace stone {

namespace {

using Values = std::array<double, SearchSpace::dimensions>;

Values valuesOf(const CutVariables &v) {
    return {v.tablePercent, v.crownDeg, v.pavilionDeg, v.starPercent, v.lowerHalfPercent};
}

CutVariables variablesOf(const Values &v) {
    return {v[0], v[1], v[2], v[3], v[4]};
}

// In the order of the variables.
std::array<ValueRange, SearchSpace::dimensions> rangesOf(const SearchBounds &b) {
    return {b.table, b.crown, b.pavilion, b.star, b.lowerHalf};
}

}  // namespace

CutVariables variablesOf(const NamedCut &cut) {
    return {100 * cut.proportions.table, cut.proportions.crownDeg, cut.proportions.pavilionDeg,
            cut.choices.starPercent, cut.choices.lowerGirdlePercent};
}

NamedCut cutOf(const CutVariables &v, double girdlePercent, const QString &name) {
    return {name,
            {v.tablePercent / 100, v.crownDeg, v.pavilionDeg},
            {girdlePercent, v.starPercent, v.lowerHalfPercent}};
}

SearchSpace::SearchSpace(const SearchBounds &bounds, double girdlePercent, double referenceVolume)
    : bounds_(bounds), girdlePercent_(girdlePercent), referenceVolume_(referenceVolume) {}

SearchSpace::Point SearchSpace::clamped(Point point) {
    for (double &u : point)
        u = std::clamp(u, 0.0, 1.0);
    return point;
}

CutVariables SearchSpace::variablesAt(const Point &point) const {
    const auto ranges = rangesOf(bounds_);
    const Point unit = clamped(point);
    Values values;
    for (int k = 0; k < dimensions; ++k)
        values[k] = ranges[k].low + unit[k] * (ranges[k].high - ranges[k].low);
    return variablesOf(values);
}

SearchSpace::Point SearchSpace::pointOf(const CutVariables &variables) const {
    const auto ranges = rangesOf(bounds_);
    const Values values = valuesOf(variables);
    Point point;
    for (int k = 0; k < dimensions; ++k) {
        const double width = ranges[k].high - ranges[k].low;
        point[k] = width > 0 ? (values[k] - ranges[k].low) / width : 0;
    }
    return clamped(point);
}

NamedCut SearchSpace::cutAt(const Point &point, const QString &name) const {
    return cutOf(variablesAt(point), girdlePercent_, name);
}

double SearchSpace::retentionPercent(const Point &point) const {
    const NamedCut cut = cutAt(point, {});
    return 100 * buildBrilliant(cut.proportions, cut.choices).volume / referenceVolume_;
}

bool SearchSpace::isFeasible(const Point &point) const {
    const NamedCut cut = cutAt(point, {});
    if (!isCuttable(cut.proportions))
        return false;
    const Brilliant stone = buildBrilliant(cut.proportions, cut.choices);
    const bool shallowEnough =
        bounds_.maxDepthPercent <= 0 || 100 * stone.totalDepth <= bounds_.maxDepthPercent;
    const bool heavyEnough = bounds_.minRetentionPercent <= 0 ||
                             100 * stone.volume / referenceVolume_ >= bounds_.minRetentionPercent;
    return shallowEnough && heavyEnough;
}

std::vector<SearchSpace::Point> SearchSpace::limitCorners() const {
    if (bounds_.maxDepthPercent <= 0 && bounds_.minRetentionPercent <= 0)
        return {};
    // Depth and volume grow with both angles and fall as the table widens.
    constexpr double middle = 0.5;
    return {{1, 0, 0, middle, middle}, {0, 1, 1, middle, middle}};
}

}  // namespace stone

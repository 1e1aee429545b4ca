#include "stone/ConvexBody.h"

#include "stone/Brilliant.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stone {

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

Vec3 radialNormal(const Vec3 &point) {
    return normalized(Vec3{point.x, point.y, 0});
}

}  // namespace

std::optional<std::pair<double, double>> ConvexBody::wallCrossings(const Vec3 &origin,
                                                                   const Vec3 &direction) const {
    const WallEquation wall = wallEquation(origin, direction);
    if (wall.a < 1e-300) {
        if (wall.c > 0)
            return std::nullopt;
        return std::pair{-infinity, infinity};
    }
    if (wall.discriminant < 0)
        return std::nullopt;
    const double root = std::sqrt(wall.discriminant);
    return std::pair{(-wall.halfB - root) / wall.a, (-wall.halfB + root) / wall.a};
}

void ConvexBody::PlaneGroup::add(const Vec3 &normal) {
    maxHorizontal = std::max(maxHorizontal, std::hypot(normal.x, normal.y));
    lowestZ = std::min(lowestZ, normal.z);
    highestZ = std::max(highestZ, normal.z);
}

// A ray moving steeply down faces no crown facet, and one moving steeply up
// no pavilion facet: grouping the planes so lets most bounces skip half of
// them.
std::vector<std::vector<Plane>> ConvexBody::grouped(const std::vector<Plane> &planes) {
    std::vector<std::vector<Plane>> groups(2);
    for (const Plane &plane : planes)
        groups[groupFacing(plane.normal)].push_back(plane);
    return groups;
}

ConvexBody::ConvexBody(const std::vector<Plane> &planes, double radius, double zLow, double zHigh,
                       VectorPath path)
    : blocks_(grouped(planes), path),
      surfaceAt_(blocks_.slotCount(), girdleSurface),
      radius_(radius),
      zLow_(zLow),
      zHigh_(zHigh) {
    std::array<int, 2> nextSlot{};
    for (int group = 0; group < 2; ++group) {
        groups_[group].blocks = blocks_.span(group);
        nextSlot[group] = groups_[group].blocks.first * PlaneBlocks::width;
    }
    for (int surface = 0; surface < static_cast<int>(planes.size()); ++surface) {
        const Vec3 &normal = planes[surface].normal;
        const int group = groupFacing(normal);
        groups_[group].add(normal);
        surfaceAt_[nextSlot[group]++] = surface;
        normals_.push_back(normal);
    }
}

namespace {

std::vector<Plane> facetPlanes(const Brilliant &stone) {
    std::vector<Plane> planes;
    planes.reserve(stone.facets.size());
    for (const Facet &facet : stone.facets)
        planes.push_back({facet.normal, facet.offset});
    return planes;
}

// The lowest and highest z of the facets' corners.
std::pair<double, double> heightRange(const Brilliant &stone) {
    std::pair range{infinity, -infinity};
    for (const Facet &facet : stone.facets) {
        for (const Vec3 &corner : facet.vertices) {
            range.first = std::min(range.first, corner.z);
            range.second = std::max(range.second, corner.z);
        }
    }
    return range;
}

}  // namespace

ConvexBody::ConvexBody(const Brilliant &stone, VectorPath path)
    : ConvexBody(facetPlanes(stone), stone.girdleRadius, heightRange(stone).first,
                 heightRange(stone).second, path) {}

std::optional<SurfaceHit> ConvexBody::entryPoint(const Vec3 &origin, const Vec3 &direction) const {
    // The wall first: the rays that pass beside the stone need no planes.
    const auto wall = wallCrossings(origin, direction);
    if (!wall)
        return std::nullopt;
    const PlaneBlocks::Crossing planes = blocks_.crossing(origin, direction);
    if (planes.missed)
        return std::nullopt;
    SurfaceHit entry{planes.entering, girdleSurface, {}};
    if (planes.entrySlot >= 0) {
        entry.surface = surfaceAt_[planes.entrySlot];
        entry.normal = normals_[entry.surface];
    }
    if (wall->first > entry.distance)
        entry = {wall->first, girdleSurface, radialNormal(origin + wall->first * direction)};
    const double leaving = std::min(planes.leaving, wall->second);
    if (!(entry.distance < leaving) || !std::isfinite(entry.distance))
        return std::nullopt;
    return entry;
}

SurfaceHit ConvexBody::wallExit(const Vec3 &inside, const Vec3 &direction, double wall) const {
    const double toWall = std::max(0.0, wall);
    return {toWall, girdleSurface, radialNormal(inside + toWall * direction)};
}

}  // namespace stone

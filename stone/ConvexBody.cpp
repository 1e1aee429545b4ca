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

// The two distances along the ray at which it crosses the cylinder wall, or
// nothing when it runs outside it. A vertical ray stays inside for ever when
// it starts inside.
std::optional<std::pair<double, double>> cylinderCrossings(double radius, const Vec3 &origin,
                                                           const Vec3 &direction) {
    const double a = direction.x * direction.x + direction.y * direction.y;
    const double c = origin.x * origin.x + origin.y * origin.y - radius * radius;
    if (a < 1e-300) {
        if (c > 0)
            return std::nullopt;
        return std::pair{-infinity, infinity};
    }
    const double halfB = origin.x * direction.x + origin.y * direction.y;
    const double discriminant = halfB * halfB - a * c;
    if (discriminant < 0)
        return std::nullopt;
    const double root = std::sqrt(discriminant);
    return std::pair{(-halfB - root) / a, (-halfB + root) / a};
}

}  // namespace

void ConvexBody::PlaneGroup::add(const NumberedPlane &numbered) {
    const Vec3 &normal = numbered.plane.normal;
    planes.push_back(numbered);
    maxHorizontal = std::max(maxHorizontal, std::hypot(normal.x, normal.y));
    lowestZ = std::min(lowestZ, normal.z);
    highestZ = std::max(highestZ, normal.z);
}

bool ConvexBody::PlaneGroup::mayFace(const Vec3 &direction, double horizontal) const {
    const double mostZ = direction.z >= 0 ? highestZ * direction.z : lowestZ * direction.z;
    return maxHorizontal * horizontal + mostZ > 0;
}

ConvexBody::ConvexBody(const std::vector<Plane> &planes, double radius, double zLow, double zHigh)
    : groups_(2), radius_(radius), zLow_(zLow), zHigh_(zHigh) {
    for (const Plane &plane : planes)
        normals_.push_back(plane.normal);
    // A ray moving steeply down faces no crown facet, and one moving steeply
    // up no pavilion facet: grouping the planes so lets most bounces skip
    // half of them.
    for (int i = 0; i < static_cast<int>(planes.size()); ++i)
        groups_[planes[i].normal.z > 0 ? 0 : 1].add({planes[i], i});
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

ConvexBody::ConvexBody(const Brilliant &stone)
    : ConvexBody(facetPlanes(stone), stone.girdleRadius, heightRange(stone).first,
                 heightRange(stone).second) {}

std::optional<SurfaceHit> ConvexBody::entryPoint(const Vec3 &origin, const Vec3 &direction) const {
    SurfaceHit entry{-infinity, girdleSurface, {}};
    double leaving = infinity;
    for (const PlaneGroup &group : groups_) {
        for (const auto &[plane, surface] : group.planes) {
            const double along = dot(plane.normal, direction);
            const double gap = plane.offset - dot(plane.normal, origin);
            if (along < 0) {
                const double distance = gap / along;
                if (distance > entry.distance)
                    entry = {distance, surface, plane.normal};
            } else if (along > 0) {
                leaving = std::min(leaving, gap / along);
            } else if (gap < 0) {
                return std::nullopt;
            }
        }
    }
    const auto wall = cylinderCrossings(radius_, origin, direction);
    if (!wall)
        return std::nullopt;
    if (wall->first > entry.distance)
        entry = {wall->first, girdleSurface, radialNormal(origin + wall->first * direction)};
    leaving = std::min(leaving, wall->second);
    if (!(entry.distance < leaving) || !std::isfinite(entry.distance))
        return std::nullopt;
    return entry;
}

// The nearest plane ahead has the least gap / along among the planes the ray
// moves towards (along > 0). Comparing the fractions crosswise keeps the
// division, and a hard-to-predict branch on along's sign, out of the loop
// that runs for every facet at every bounce: with gap >= 0, a plane behind
// the ray (along <= 0) never passes the test.
void ConvexBody::nearestAhead(const PlaneGroup &group, const Vec3 &inside, const Vec3 &direction,
                              Nearest &nearest) const {
    // Locals, so that the loop keeps them in registers.
    int surface = nearest.surface;
    double nearestGap = nearest.gap, nearestAlong = nearest.along;
    for (const auto &[plane, number] : group.planes) {
        const double along = dot(plane.normal, direction);
        // A point on an edge may lie a rounding error outside its neighbour.
        const double offset = plane.offset - dot(plane.normal, inside);
        const double gap = std::max(offset, 0.0);
        if (gap * nearestAlong < nearestGap * along) {
            surface = number;
            nearestGap = gap;
            nearestAlong = along;
        }
    }
    nearest = {surface, nearestGap, nearestAlong};
}

SurfaceHit ConvexBody::exitPoint(const Vec3 &inside, const Vec3 &direction) const {
    Nearest nearest{girdleSurface, 1, 0};
    const double horizontal = std::sqrt(direction.x * direction.x + direction.y * direction.y);
    for (const PlaneGroup &group : groups_) {
        if (group.mayFace(direction, horizontal))
            nearestAhead(group, inside, direction, nearest);
    }
    const double distance = nearest.gap / nearest.along;
    const auto wall = cylinderCrossings(radius_, inside, direction);
    if (nearest.surface == girdleSurface || (wall && wall->second < distance)) {
        const double toWall = std::max(0.0, wall ? wall->second : infinity);
        return {toWall, girdleSurface, radialNormal(inside + toWall * direction)};
    }
    return {distance, nearest.surface, normals_[nearest.surface]};
}

}  // namespace stone

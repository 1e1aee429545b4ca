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

ConvexBody convexBody(const Brilliant &stone) {
    ConvexBody body;
    body.planes.reserve(stone.facets.size());
    for (const Facet &facet : stone.facets)
        body.planes.push_back({facet.normal, facet.offset});
    body.radius = stone.girdleRadius;
    body.zLow = infinity;
    body.zHigh = -infinity;
    for (const Facet &facet : stone.facets) {
        for (const Vec3 &corner : facet.vertices) {
            body.zLow = std::min(body.zLow, corner.z);
            body.zHigh = std::max(body.zHigh, corner.z);
        }
    }
    return body;
}

std::optional<SurfaceHit> entryPoint(const ConvexBody &body, const Vec3 &origin,
                                     const Vec3 &direction) {
    SurfaceHit entry{-infinity, girdleSurface, {}};
    double leaving = infinity;
    for (int i = 0; i < static_cast<int>(body.planes.size()); ++i) {
        const Plane &plane = body.planes[i];
        const double along = dot(plane.normal, direction);
        const double gap = plane.offset - dot(plane.normal, origin);
        if (along < 0) {
            const double distance = gap / along;
            if (distance > entry.distance)
                entry = {distance, i, plane.normal};
        } else if (along > 0) {
            leaving = std::min(leaving, gap / along);
        } else if (gap < 0) {
            return std::nullopt;
        }
    }
    const auto wall = cylinderCrossings(body.radius, origin, direction);
    if (!wall)
        return std::nullopt;
    if (wall->first > entry.distance)
        entry = {wall->first, girdleSurface, radialNormal(origin + wall->first * direction)};
    leaving = std::min(leaving, wall->second);
    if (!(entry.distance < leaving) || !std::isfinite(entry.distance))
        return std::nullopt;
    return entry;
}

SurfaceHit exitPoint(const ConvexBody &body, const Vec3 &inside, const Vec3 &direction) {
    // The nearest plane ahead is the least gap / along. Comparing the
    // fractions crosswise keeps the one division out of the loop, which runs
    // for every facet at every bounce.
    int nearest = girdleSurface;
    double nearestGap = 1, nearestAlong = 0;
    for (int i = 0; i < static_cast<int>(body.planes.size()); ++i) {
        const Plane &plane = body.planes[i];
        const double along = dot(plane.normal, direction);
        if (along <= 0)
            continue;
        // A point on an edge may lie a rounding error outside its neighbour.
        const double gap = std::max(0.0, plane.offset - dot(plane.normal, inside));
        if (gap * nearestAlong < nearestGap * along) {
            nearest = i;
            nearestGap = gap;
            nearestAlong = along;
        }
    }
    SurfaceHit exit{nearestGap / nearestAlong, nearest, {}};
    if (nearest != girdleSurface)
        exit.normal = body.planes[nearest].normal;
    const auto wall = cylinderCrossings(body.radius, inside, direction);
    if (wall && wall->second < exit.distance) {
        const double distance = std::max(0.0, wall->second);
        exit = {distance, girdleSurface, radialNormal(inside + distance * direction)};
    }
    return exit;
}

}  // namespace stone

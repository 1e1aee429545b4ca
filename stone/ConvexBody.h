#pragma once

#include "stone/Plane.h"
#include "stone/Vec3.h"

#include <optional>
#include <vector>

namespace stone {

struct Brilliant;

// A convex stone as the light sees it: the intersection of half-spaces and
// the infinite vertical cylinder x² + y² <= radius². zLow and zHigh bound it
// from below and above, so that a view knows where to aim its rays.
struct ConvexBody {
    std::vector<Plane> planes;
    double radius = 0.5;
    double zLow = 0, zHigh = 0;
};

// Where a ray meets the stone's surface: at origin + distance × direction,
// on the plane numbered surface, or on the cylinder (girdle) when surface is
// girdleSurface. normal is the outward unit normal there.
struct SurfaceHit {
    double distance = 0;
    int surface = 0;
    Vec3 normal;
};
inline constexpr int girdleSurface = -1;

// The brilliant's facets in their order, then its girdle.
ConvexBody convexBody(const Brilliant &stone);

// The first point where a ray from outside enters the body, if it does.
std::optional<SurfaceHit> entryPoint(const ConvexBody &body, const Vec3 &origin,
                                     const Vec3 &direction);

// Where a ray inside the body leaves it: the nearest plane or cylinder wall
// ahead.
SurfaceHit exitPoint(const ConvexBody &body, const Vec3 &inside, const Vec3 &direction);

}  // namespace stone

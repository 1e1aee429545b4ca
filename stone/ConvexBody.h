#pragma once

#include "stone/Plane.h"
#include "stone/PlaneBlocks.h"
#include "stone/Vec3.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace stone {

struct Brilliant;

// Where a ray meets the stone's surface: at origin + distance × direction,
// on the plane numbered surface, or on the cylinder (girdle) when surface is
// girdleSurface. normal is the outward unit normal there.
struct SurfaceHit {
    double distance = 0;
    int surface = 0;
    Vec3 normal;
};
inline constexpr int girdleSurface = -1;

// A convex stone as the light sees it: the intersection of half-spaces and
// the infinite vertical cylinder x² + y² <= radius². zLow and zHigh bound it
// from below and above, so that a view knows where to aim its rays. Its
// searches run on the vector path given, by default the widest one.
class ConvexBody {
public:
    ConvexBody(const std::vector<Plane> &planes, double radius, double zLow, double zHigh,
               VectorPath path = widestVectorPath());
    // The brilliant's facets, numbered in their order, and its girdle.
    explicit ConvexBody(const Brilliant &stone, VectorPath path = widestVectorPath());

    double radius() const { return radius_; }
    double zLow() const { return zLow_; }
    double zHigh() const { return zHigh_; }

    // The first point where a ray from outside enters the body, if it does.
    std::optional<SurfaceHit> entryPoint(const Vec3 &origin, const Vec3 &direction) const;

    // Where a ray inside the body leaves it: the nearest plane or cylinder
    // wall ahead. Always inline: the light tracer asks it at every bounce,
    // and the hit then stays in registers.
    __attribute__((always_inline)) SurfaceHit exitPoint(const Vec3 &inside,
                                                        const Vec3 &direction) const;

private:
    // Planes whose normals point up (or down, or sideways), with what bounds
    // how far any of them can face a direction.
    struct PlaneGroup {
        PlaneBlocks::Span blocks;
        double maxHorizontal = 0;           // of the normals' horizontal length
        double lowestZ = 1, highestZ = -1;  // of the normals' z

        void add(const Vec3 &normal);
        // False when the group holds no plane that direction moves towards.
        bool mayFace(const Vec3 &direction, double horizontal) const {
            // The larger of the two, whichever way the direction's z points,
            // without a branch.
            const double mostZ = std::max(highestZ * direction.z, lowestZ * direction.z);
            return maxHorizontal * horizontal + mostZ > 0;
        }
    };
    static int groupFacing(const Vec3 &normal) { return normal.z > 0 ? 0 : 1; }
    // Where a ray crosses the cylinder wall: a t² + 2 halfB t + c = 0.
    struct WallEquation {
        double a, halfB, c, discriminant;
    };
    WallEquation wallEquation(const Vec3 &origin, const Vec3 &direction) const;
    // The two distances along the ray at which it crosses the wall, or
    // nothing when it runs outside it. A vertical ray stays inside for ever
    // when it starts inside.
    std::optional<std::pair<double, double>> wallCrossings(const Vec3 &origin,
                                                           const Vec3 &direction) const;
    // The second of wallCrossings(), or infinity when there is none: where a
    // ray from inside meets the wall.
    double wallAhead(const Vec3 &inside, const Vec3 &direction) const;
    SurfaceHit wallExit(const Vec3 &inside, const Vec3 &direction, double wall) const;
    static std::vector<std::vector<Plane>> grouped(const std::vector<Plane> &planes);

    PlaneBlocks blocks_;
    std::array<PlaneGroup, 2> groups_;  // whose blocks follow each other
    std::vector<int> surfaceAt_;        // by slot of blocks_, girdleSurface for none
    std::vector<Vec3> normals_;         // by surface number
    double radius_, zLow_, zHigh_;
};

inline ConvexBody::WallEquation ConvexBody::wallEquation(const Vec3 &origin,
                                                         const Vec3 &direction) const {
    const double a = direction.x * direction.x + direction.y * direction.y;
    const double c = origin.x * origin.x + origin.y * origin.y - radius_ * radius_;
    const double halfB = origin.x * direction.x + origin.y * direction.y;
    return {a, halfB, c, halfB * halfB - a * c};
}

inline double ConvexBody::wallAhead(const Vec3 &inside, const Vec3 &direction) const {
    const WallEquation wall = wallEquation(inside, direction);
    if (wall.a < 1e-300 || wall.discriminant < 0)
        return std::numeric_limits<double>::infinity();
    return (-wall.halfB + std::sqrt(wall.discriminant)) / wall.a;
}

inline SurfaceHit ConvexBody::exitPoint(const Vec3 &inside, const Vec3 &direction) const {
    const double horizontal = std::sqrt(direction.x * direction.x + direction.y * direction.y);
    // The up group's blocks come first and the down group's follow: the
    // blocks to search are one run.
    const PlaneGroup &up = groups_[0], &down = groups_[1];
    const PlaneBlocks::Span facing{
        up.mayFace(direction, horizontal) ? up.blocks.first : down.blocks.first,
        down.mayFace(direction, horizontal) ? down.blocks.end : up.blocks.end};
    const PlaneBlocks::Ahead nearest = blocks_.nearestAhead(facing, inside, direction);
    const double wall = wallAhead(inside, direction);
    if (nearest.slot < 0 || wall < nearest.distance)
        return wallExit(inside, direction, wall);
    const int surface = surfaceAt_[nearest.slot];
    return {nearest.distance, surface, normals_[surface]};
}

}  // namespace stone

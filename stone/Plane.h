#pragma once

#include "stone/Vec3.h"

#include <vector>

namespace stone {

// The half-space dot(normal, p) <= offset, bounded by its plane; normal is a
// unit vector pointing out of the solid.
struct Plane {
    Vec3 normal;
    double offset = 0;
};

// The plane through three points, its normal along (b - a) x (c - a).
Plane planeThrough(const Vec3 &a, const Vec3 &b, const Vec3 &c);

// The part of a convex polygon inside every half-space, but the one at skip.
std::vector<Vec3> clippedBy(std::vector<Vec3> polygon, const std::vector<Plane> &halfSpaces,
                            std::size_t skip = std::size_t(-1));

// The face that a convex solid, the intersection of the given half-spaces,
// has in the plane of faces[index]: its vertices counter-clockwise seen from
// outside, or fewer than three when the plane only touches the solid.
std::vector<Vec3> faceOutline(const std::vector<Plane> &faces, std::size_t index);

// The area of a flat polygon whose vertices run counter-clockwise about normal.
double polygonArea(const std::vector<Vec3> &vertices, const Vec3 &normal);

}  // namespace stone

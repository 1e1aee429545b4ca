#include "stone/Plane.h"

#include <algorithm>

namespace stone {

namespace {

// Points closer than this to a plane count as lying in it, so that corners
// where many facets meet come out once (lengths are in girdle diameters).
constexpr double kOnPlane = 1e-12;
// Larger than any stone: the starting square that the half-spaces cut down.
constexpr double kStartSize = 4;

std::vector<Vec3> startingSquare(const Plane &plane) {
    const Vec3 &n = plane.normal;
    const Vec3 helper = std::abs(n.z) < 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
    const Vec3 u = kStartSize * normalized(cross(helper, n));
    const Vec3 v = cross(n, u);  // u, v, n right-handed: counter-clockwise about n
    const Vec3 centre = plane.offset * n;
    return {centre + u + v, centre - u + v, centre - u - v, centre + u - v};
}

// One Sutherland-Hodgman step: the part of a convex polygon inside a half-space.
std::vector<Vec3> clip(const std::vector<Vec3> &polygon, const Plane &half) {
    std::vector<Vec3> kept;
    for (std::size_t k = 0; k < polygon.size(); ++k) {
        const Vec3 &a = polygon[k];
        const Vec3 &b = polygon[(k + 1) % polygon.size()];
        const double da = dot(half.normal, a) - half.offset;
        const double db = dot(half.normal, b) - half.offset;
        if (da <= kOnPlane)
            kept.push_back(a);
        if ((da < -kOnPlane && db > kOnPlane) || (da > kOnPlane && db < -kOnPlane))
            kept.push_back(a + (da / (da - db)) * (b - a));
    }
    return kept;
}

// Most planes leave a polygon whole: those need no copy.
bool isInside(const std::vector<Vec3> &polygon, const Plane &half) {
    return std::all_of(polygon.begin(), polygon.end(), [&half](const Vec3 &p) {
        return dot(half.normal, p) - half.offset <= kOnPlane;
    });
}

}  // namespace

Plane planeThrough(const Vec3 &a, const Vec3 &b, const Vec3 &c) {
    const Vec3 normal = normalized(cross(b - a, c - a));
    return {normal, dot(normal, a)};
}

std::vector<Vec3> clippedBy(std::vector<Vec3> polygon, const std::vector<Plane> &halfSpaces,
                            std::size_t skip) {
    for (std::size_t k = 0; k < halfSpaces.size() && polygon.size() >= 3; ++k) {
        if (k != skip && !isInside(polygon, halfSpaces[k]))
            polygon = clip(polygon, halfSpaces[k]);
    }
    return polygon;
}

std::vector<Vec3> faceOutline(const std::vector<Plane> &faces, std::size_t index) {
    return clippedBy(startingSquare(faces[index]), faces, index);
}

double polygonArea(const std::vector<Vec3> &vertices, const Vec3 &normal) {
    Vec3 sum;
    for (std::size_t k = 0; k < vertices.size(); ++k)
        sum = sum + cross(vertices[k], vertices[(k + 1) % vertices.size()]);
    return std::max(0.0, dot(sum, normal) / 2);
}

}  // namespace stone

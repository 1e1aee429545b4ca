#include "stone/StoneView.h"

#include "calc/Constants.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace stone {

namespace {

// The girdle's cylinder as strips this many to the turn: enough for its
// scalloped edges to look round.
constexpr int girdleStrips = 96;

// Light from above the viewer's left shoulder; a face turned away from it
// still shows dimly.
const Vec3 lightDirection = normalized({-0.45, 0.6, 1});
constexpr double ambient = 0.25;
constexpr double edgeOn = 1e-9;

double radians(double degrees) {
    return degrees * pi / 180;
}

// Turns a point or direction of the stone's frame into the viewer's.
class Rotation {
public:
    explicit Rotation(const Turn &turn)
        : cosSpin_(std::cos(radians(turn.spinDeg))),
          sinSpin_(std::sin(radians(turn.spinDeg))),
          cosTilt_(std::cos(radians(turn.tiltDeg))),
          sinTilt_(std::sin(radians(turn.tiltDeg))) {}

    Vec3 operator()(const Vec3 &v) const {
        const double x = cosSpin_ * v.x - sinSpin_ * v.y;
        const double y = sinSpin_ * v.x + cosSpin_ * v.y;
        return {x, cosTilt_ * y + sinTilt_ * v.z, cosTilt_ * v.z - sinTilt_ * y};
    }

private:
    double cosSpin_, sinSpin_, cosTilt_, sinTilt_;
};

double shadeOf(const Vec3 &viewNormal) {
    return ambient + (1 - ambient) * std::max(0.0, dot(viewNormal, lightDirection));
}

// Where the facets above (or below) the girdle cut its cylinder at the
// point (x, y) of its wall: the lowest crown plane, the highest pavilion one.
struct GirdleEdges {
    double top = std::numeric_limits<double>::infinity();
    double bottom = -std::numeric_limits<double>::infinity();
};

GirdleEdges girdleEdgesAt(const Brilliant &stone, double x, double y) {
    GirdleEdges edges;
    for (const Facet &facet : stone.facets) {
        if (facet.normal.z == 0)
            continue;
        const double z = (facet.offset - facet.normal.x * x - facet.normal.y * y) / facet.normal.z;
        if (facet.normal.z > 0)
            edges.top = std::min(edges.top, z);
        else
            edges.bottom = std::max(edges.bottom, z);
    }
    return edges;
}

// The girdle's wall as quadrilaterals, bottom edge first, in the stone's
// frame; none where the facets leave it no height.
std::vector<std::vector<Vec3>> girdleStripsOf(const Brilliant &stone) {
    std::vector<Vec3> bottoms, tops;
    for (int k = 0; k <= girdleStrips; ++k) {
        const double azimuth = 2 * pi * k / girdleStrips;
        const double x = stone.girdleRadius * std::cos(azimuth);
        const double y = stone.girdleRadius * std::sin(azimuth);
        const GirdleEdges edges = girdleEdgesAt(stone, x, y);
        bottoms.push_back({x, y, edges.bottom});
        tops.push_back({x, y, std::max(edges.top, edges.bottom)});
    }
    std::vector<std::vector<Vec3>> strips;
    for (int k = 0; k < girdleStrips; ++k) {
        if (tops[k].z > bottoms[k].z || tops[k + 1].z > bottoms[k + 1].z)
            strips.push_back({bottoms[k], bottoms[k + 1], tops[k + 1], tops[k]});
    }
    return strips;
}

// Adds the face when it looks at the viewer.
void addFace(StoneView &view, const Rotation &rotate, const Vec3 &centre,
             const std::vector<Vec3> &outline, const Vec3 &normal) {
    const Vec3 seenNormal = rotate(normal);
    // Edge on, a face shows nothing; rounding must not make it seen.
    if (seenNormal.z <= edgeOn)
        return;
    ShadedFace face{{}, shadeOf(seenNormal)};
    for (const Vec3 &corner : outline)
        face.outline.push_back(rotate(corner - centre));
    view.faces.push_back(std::move(face));
}

}  // namespace

StoneView viewStone(const Brilliant &stone, const Turn &turn) {
    const Rotation rotate(turn);
    const double zHigh = stone.girdleHalfHeight + stone.crownHeight;
    const double zLow = -stone.girdleHalfHeight - stone.pavilionDepth;
    const Vec3 centre{0, 0, (zHigh + zLow) / 2};
    StoneView view;
    view.radius = std::hypot(stone.girdleRadius, (zHigh - zLow) / 2);
    for (const Facet &facet : stone.facets)
        addFace(view, rotate, centre, facet.vertices, facet.normal);
    for (const std::vector<Vec3> &strip : girdleStripsOf(stone)) {
        const Vec3 middle = 0.5 * (strip[0] + strip[1]);
        addFace(view, rotate, centre, strip, normalized({middle.x, middle.y, 0}));
    }
    return view;
}

}  // namespace stone

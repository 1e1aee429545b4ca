#include "stone/Brilliant.h"

#include "calc/Constants.h"
#include "calc/CutResult.h"
#include "stone/Plane.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace stone {

namespace {

constexpr int kFold = 8;  // the brilliant's symmetry
constexpr double kSector = 2 * pi / kFold;
// The girdle cylinder is drawn and measured as an inscribed prism with this
// many sides; its corners fall on every main's and star's azimuth, where the
// facets touch the girdle, so only the band between them is approximated.
constexpr int kGirdleSides = 2 * kFold * 32;
// Corners closer than this are one corner.
constexpr double kSamePoint = 1e-9;

double radians(double degrees) {
    return degrees * pi / 180;
}

Vec3 horizontal(double azimuth, double radius, double z) {
    return {radius * std::cos(azimuth), radius * std::sin(azimuth), z};
}

// A plane at the given azimuth whose facet makes `angle` with the girdle
// plane, through the point at `radius` and height z on that azimuth; up
// tells the crown (outward normal up) from the pavilion.
Plane inclinedPlane(double azimuth, double angle, double radius, double z, bool up) {
    const double nz = up ? std::cos(angle) : -std::cos(angle);
    const Vec3 normal{std::sin(angle) * std::cos(azimuth), std::sin(angle) * std::sin(azimuth), nz};
    return {normal, dot(normal, horizontal(azimuth, radius, z))};
}

// Facet planes of one tier, numbered later by azimuth.
struct TierPlanes {
    Tier tier;
    std::vector<Plane> planes;
};

// The geometry every tier is built from.
struct Layout {
    double radius = 0.5;
    double halfGirdle = 0;
    double crownAngle = 0;
    double pavilionAngle = 0;
    double halfTable = 0;
    double crownHeight = 0;
    double starFraction = 0;
    double lowerFraction = 0;

    double mainAzimuth(int k) const { return k * kSector; }
    double starAzimuth(int k) const { return (k + 0.5) * kSector; }
    double tableHeight() const { return halfGirdle + crownHeight; }

    // The height of bezel k above a horizontal point whose distance along its
    // azimuth is `reach`.
    double bezelHeight(double reach) const {
        return halfGirdle + (radius - reach) * std::tan(crownAngle);
    }
    double mainHeight(double reach) const {
        return -halfGirdle - (radius - reach) * std::tan(pavilionAngle);
    }
};

Layout layoutOf(const Proportions &cut, const CutChoices &choices) {
    Layout l;
    l.halfGirdle = choices.girdlePercent / 200;
    l.crownAngle = radians(cut.crownDeg);
    l.pavilionAngle = radians(cut.pavilionDeg);
    l.halfTable = cut.table / 2;
    l.crownHeight = (l.radius - l.halfTable) * std::tan(l.crownAngle);
    l.starFraction = choices.starPercent / 100;
    l.lowerFraction = choices.lowerGirdlePercent / 100;
    return l;
}

TierPlanes mains(const Layout &l) {
    TierPlanes t{Tier::PavilionMain, {}};
    for (int k = 0; k < kFold; ++k)
        t.planes.push_back(
            inclinedPlane(l.mainAzimuth(k), l.pavilionAngle, l.radius, -l.halfGirdle, false));
    return t;
}

TierPlanes bezels(const Layout &l) {
    TierPlanes t{Tier::Bezel, {}};
    for (int k = 0; k < kFold; ++k)
        t.planes.push_back(
            inclinedPlane(l.mainAzimuth(k), l.crownAngle, l.radius, l.halfGirdle, true));
    return t;
}

// The half-sector's cosine: the edge between neighbouring mains or bezels
// runs along the star azimuth, at this fraction of its reach along theirs.
double halfSectorCos() {
    return std::cos(kSector / 2);
}

// A star's outer point: on the edge between bezels k and k + 1, at the star
// length's fraction of the way from the table's edge to the girdle. That edge
// only drops below the table beyond the reach where the bezels alone would
// end the table; a shorter star would stand above the table, so it is
// lengthened to just past that reach and stays a facet.
Vec3 starPoint(const Layout &l, int k) {
    constexpr double kShortestBeyondTable = 0.01;
    const double tableEdge = l.halfTable * halfSectorCos();
    const double bezelsMeetTable = l.halfTable / halfSectorCos();
    const double reach =
        std::max(tableEdge + l.starFraction * (l.radius - tableEdge),
                 bezelsMeetTable + kShortestBeyondTable * (l.radius - bezelsMeetTable));
    return horizontal(l.starAzimuth(k), reach, l.bezelHeight(reach * halfSectorCos()));
}

// A lower half's inner point: on the edge between mains k and k + 1, at the
// lower-girdle length's fraction of the way from the girdle to the centre.
Vec3 lowerPoint(const Layout &l, int k) {
    const double reach = l.radius * (1 - l.lowerFraction);
    return horizontal(l.starAzimuth(k), reach, l.mainHeight(reach * halfSectorCos()));
}

// The plane through three points, its normal turned up for the crown and
// down for the pavilion.
Plane outwardPlaneThrough(const Vec3 &a, const Vec3 &b, const Vec3 &c, bool crown) {
    const Plane plane = planeThrough(a, b, c);
    return (plane.normal.z > 0) == crown ? plane : Plane{-plane.normal, -plane.offset};
}

TierPlanes stars(const Layout &l) {
    TierPlanes t{Tier::Star, {}};
    for (int k = 0; k < kFold; ++k) {
        const Vec3 right = horizontal(l.mainAzimuth(k), l.halfTable, l.tableHeight());
        const Vec3 left = horizontal(l.mainAzimuth(k + 1), l.halfTable, l.tableHeight());
        t.planes.push_back(outwardPlaneThrough(starPoint(l, k), left, right, true));
    }
    return t;
}

// The 16 halves of the crown or of the pavilion: each through the tip at star
// azimuth k and the girdle's edge at that azimuth and at the main or bezel k
// or k + 1 beside it.
TierPlanes halves(const Layout &l, bool crown) {
    TierPlanes t{crown ? Tier::UpperHalf : Tier::LowerHalf, {}};
    const double girdleZ = crown ? l.halfGirdle : -l.halfGirdle;
    for (int k = 0; k < kFold; ++k) {
        const Vec3 tip = crown ? starPoint(l, k) : lowerPoint(l, k);
        const Vec3 middle = horizontal(l.starAzimuth(k), l.radius, girdleZ);
        for (const int side : {k, k + 1}) {
            const Vec3 beside = horizontal(l.mainAzimuth(side), l.radius, girdleZ);
            t.planes.push_back(outwardPlaneThrough(tip, middle, beside, crown));
        }
    }
    return t;
}

TierPlanes table(const Layout &l) {
    return {Tier::Table, {Plane{{0, 0, 1}, l.tableHeight()}}};
}

double girdleStep() {
    return 2 * pi / kGirdleSides;
}

std::vector<Plane> girdlePrism(const Layout &l) {
    std::vector<Plane> sides;
    for (int k = 0; k < kGirdleSides; ++k) {
        const double azimuth = (k + 0.5) * girdleStep();
        sides.push_back(
            {{std::cos(azimuth), std::sin(azimuth), 0}, l.radius * std::cos(girdleStep() / 2)});
    }
    return sides;
}

// Side k of the girdle prism, taller than any stone, counter-clockwise seen
// from outside.
std::vector<Vec3> girdleSide(const Layout &l, int k) {
    constexpr double kTallest = 1e3;
    const double right = k * girdleStep(), left = (k + 1) * girdleStep();
    return {horizontal(left, l.radius, kTallest), horizontal(right, l.radius, kTallest),
            horizontal(right, l.radius, -kTallest), horizontal(left, l.radius, -kTallest)};
}

double azimuthOf(const Vec3 &normal) {
    if (std::hypot(normal.x, normal.y) < kSamePoint)
        return 0;
    const double azimuth = degrees(std::atan2(normal.y, normal.x));
    return azimuth < 0 ? azimuth + 360 : azimuth;
}

std::vector<Vec3> withoutRepeats(const std::vector<Vec3> &outline) {
    std::vector<Vec3> kept;
    for (const Vec3 &p : outline) {
        if (kept.empty() || length(p - kept.back()) > kSamePoint)
            kept.push_back(p);
    }
    while (kept.size() > 1 && length(kept.front() - kept.back()) <= kSamePoint)
        kept.pop_back();
    return kept;
}

Facet facetOf(Tier tier, const std::vector<Plane> &solid, std::size_t index) {
    const Plane &plane = solid[index];
    Facet f{tier,
            0,
            plane.normal,
            plane.offset,
            withoutRepeats(faceOutline(solid, index)),
            0,
            azimuthOf(plane.normal),
            degrees(std::acos(std::min(1.0, std::abs(plane.normal.z))))};
    f.area = polygonArea(f.vertices, f.normal);
    return f;
}

// Numbers a tier's facets counter-clockwise from azimuth 0.
void numberByAzimuth(std::vector<Facet>::iterator first, std::vector<Facet>::iterator last) {
    std::stable_sort(first, last,
                     [](const Facet &a, const Facet &b) { return a.azimuthDeg < b.azimuthDeg; });
    int number = 0;
    for (auto f = first; f != last; ++f)
        f->number = ++number;
}

// The lowest and highest points of the facets.
std::pair<double, double> heightRange(const std::vector<Facet> &facets) {
    double top = 0, bottom = 0;
    for (const Facet &f : facets) {
        for (const Vec3 &p : f.vertices) {
            top = std::max(top, p.z);
            bottom = std::min(bottom, p.z);
        }
    }
    return {top, bottom};
}

// By the divergence theorem, a convex solid containing the origin has the
// volume sum(offset · area) / 3 over all its faces: the facets and the sides
// of the girdle band, which only the facets' planes cut.
double volumeOf(const std::vector<Facet> &facets, const std::vector<Plane> &facetPlanes,
                const std::vector<Plane> &girdle, const Layout &l) {
    double sum = 0;
    for (const Facet &f : facets)
        sum += f.offset * f.area;
    for (int k = 0; k < kGirdleSides; ++k) {
        const Plane &side = girdle[std::size_t(k)];
        sum += side.offset * polygonArea(clippedBy(girdleSide(l, k), facetPlanes), side.normal);
    }
    return sum / 3;
}

}  // namespace

Proportions proportionsOf(const CutResult &cut) {
    return {cut.aRatio, degrees(cut.i), degrees(cut.alfa)};
}

bool isCuttable(const Proportions &cut) {
    const auto isAcute = [](double degrees) { return degrees > 0 && degrees < 90; };
    return isAcute(cut.crownDeg) && isAcute(cut.pavilionDeg) && cut.table > 0 &&
           cut.table < halfSectorCos();
}

Brilliant buildBrilliant(const Proportions &cut, const CutChoices &choices) {
    const Layout l = layoutOf(cut, choices);
    const std::vector<TierPlanes> tiers{mains(l), halves(l, false), bezels(l),
                                        stars(l), halves(l, true),  table(l)};
    std::vector<Plane> solid;
    for (const TierPlanes &t : tiers)
        solid.insert(solid.end(), t.planes.begin(), t.planes.end());
    const std::vector<Plane> facetPlanes = solid;
    const std::vector<Plane> girdle = girdlePrism(l);
    solid.insert(solid.end(), girdle.begin(), girdle.end());

    Brilliant b;
    std::size_t index = 0;
    for (const TierPlanes &t : tiers) {
        const auto first = b.facets.size();
        for (std::size_t k = 0; k < t.planes.size(); ++k)
            b.facets.push_back(facetOf(t.tier, solid, index++));
        numberByAzimuth(b.facets.begin() + first, b.facets.end());
    }
    b.girdleHalfHeight = l.halfGirdle;
    const auto [top, bottom] = heightRange(b.facets);
    b.crownHeight = top - l.halfGirdle;
    b.pavilionDepth = -bottom - l.halfGirdle;
    b.totalDepth = top - bottom;
    b.volume = volumeOf(b.facets, facetPlanes, girdle, l);
    return b;
}

double caratWeight(const Brilliant &stone, double diameterMm, double density) {
    const double cubicMm = stone.volume * diameterMm * diameterMm * diameterMm;
    return cubicMm * density / 200;  // mm³ · g/cm³ = mg; 200 mg to the carat
}

}  // namespace stone

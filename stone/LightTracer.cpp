#include "stone/LightTracer.h"

#include "calc/Constants.h"
#include "stone/Fresnel.h"

#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <cmath>

namespace stone {

namespace {

constexpr int maxInternalReflections = 20;
constexpr double minWeight = 1e-4;

double radians(double degrees) {
    return degrees * pi / 180;
}

// Follows a camera ray that enters at entry: hands each step to visit and
// returns the weight still inside when the path is cut short.
template <typename Visit>
double followRay(const ConvexBody &body, double refractiveIndex, const Vec3 &origin,
                 const Vec3 &direction, const SurfaceHit &entry, Visit &&visit) {
    Vec3 point = origin + entry.distance * direction;
    const Refraction entering = refraction(direction, entry.normal, 1, refractiveIndex);
    visit(PathStep{point, entry.surface, reflected(direction, entry.normal), entering.reflectance});
    double weight = 1 - entering.reflectance;
    Vec3 inside = entering.direction;
    for (int reflections = 0;;) {
        const SurfaceHit hit = body.exitPoint(point, inside);
        point = point + hit.distance * inside;
        const Refraction leaving = refraction(inside, -hit.normal, refractiveIndex, 1);
        const Vec3 out = leaving.reflectance < 1 ? leaving.direction : Vec3{};
        visit(PathStep{point, hit.surface, out, weight * (1 - leaving.reflectance)});
        weight *= leaving.reflectance;
        inside = reflected(inside, hit.normal);
        if (++reflections == maxInternalReflections || weight < minWeight)
            return weight;
    }
}

// The viewer's sky, seen from the stone's frame.
class Sky {
public:
    Sky(const Vec3 &zenith, double headHalfAngleDeg)
        : zenith_(zenith), headCos_(std::cos(radians(headHalfAngleDeg))) {}

    // Light of weight leaving in direction; external when reflected off the
    // outside.
    void score(const Vec3 &direction, double weight, bool external, LightShares &shares) const {
        const double cosZenith = dot(direction, zenith_);
        if (cosZenith > 0 && cosZenith < headCos_) {
            shares.brightnessIso += weight;
            shares.brightnessCos += weight * cosZenith;
        }
        if (external)
            shares.externalReflection += weight;
        else if (cosZenith <= 0)
            shares.leakage += weight;
        else
            shares.bands[band(cosZenith)] += weight;
        if (!external && cosZenith >= headCos_)
            shares.head += weight;
    }

private:
    static LightBand band(double sinElevation) {
        static const double middleFloor = std::sin(radians(bandFloorsDeg[middleBand]));
        static const double highFloor = std::sin(radians(bandFloorsDeg[highBand]));
        if (sinElevation >= highFloor)
            return highBand;
        return sinElevation >= middleFloor ? middleBand : lowBand;
    }

    Vec3 zenith_;
    double headCos_;
};

// A fixed pseudo-random number in [0, 1) for each cell of a grid.
double cellNoise(int column, int row, int salt) {
    quint64 bits = (quint64(quint32(row)) << 32 | quint32(column)) * 4 + quint64(salt);
    bits += 0x9E3779B97F4A7C15ULL;  // the mixing steps of SplitMix64
    bits = (bits ^ (bits >> 30)) * 0xBF58476D1CE4E5B9ULL;
    bits = (bits ^ (bits >> 27)) * 0x94D049BB133111EBULL;
    bits ^= bits >> 31;
    return (bits >> 11) * 0x1.0p-53;
}

// The grid of camera rays of a tilted view: square cells, raysAcross columns
// along the tilt axis, as many rows as cover the stone across it. Each ray
// passes through its cell at a fixed random point: on the cells' centres,
// the rays would line up with the edges of the table and of the facets
// around it and each figure would swing by tenths of a point as the grid
// grows; jittered, it settles in a few hundredths. The jitter is the same in
// every view, so that figures keep the stone's symmetry as the grid turns
// with it, and in every run.
class ViewGrid {
public:
    ViewGrid(const ConvexBody &body, const Tilt &tilt, int raysAcross) {
        const double azimuth = radians(tilt.azimuthDeg);
        const double angle = radians(tilt.degrees);
        across_ = {std::cos(azimuth), std::sin(azimuth), 0};
        zenith_ = Vec3{0, 0, std::cos(angle)} - std::sin(angle) * cross(across_, {0, 0, 1});
        along_ = cross(zenith_, across_);
        const Vec3 centre{0, 0, (body.zLow() + body.zHigh()) / 2};
        const double halfHeight = (body.zHigh() - body.zLow()) / 2;
        columns_ = std::max(1, raysAcross);
        spacing_ = 2 * halfExtent(body.radius(), halfHeight, across_) / columns_;
        rows_ = std::max(1, static_cast<int>(std::ceil(
                                2 * halfExtent(body.radius(), halfHeight, along_) / spacing_)));
        corner_ = centre + (body.radius() + 2 * halfHeight) * zenith_ -
                  (columns_ * spacing_ / 2) * across_ - (rows_ * spacing_ / 2) * along_;
    }

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    Vec3 zenith() const { return zenith_; }
    Vec3 origin(int column, int row) const {
        return corner_ + ((column + cellNoise(column, row, 0)) * spacing_) * across_ +
               ((row + cellNoise(column, row, 1)) * spacing_) * along_;
    }

private:
    // Half the width, along the horizontal or tilted unit vector axis, of the
    // upright cylinder that holds the stone.
    static double halfExtent(double radius, double halfHeight, const Vec3 &axis) {
        return radius * std::hypot(axis.x, axis.y) + halfHeight * std::abs(axis.z);
    }

    Vec3 across_, along_, zenith_, corner_;
    double spacing_ = 0;
    int columns_ = 0, rows_ = 0;
};

struct RowTrace {
    LightShares sum;
    int hits = 0;
    std::vector<RaySample> samples;
    bool complete = true;
};

RowTrace traceRow(const ConvexBody &body, const ViewSettings &settings, const ViewGrid &grid,
                  const Sky &sky, int row, bool keepSamples) {
    RowTrace trace;
    const Vec3 down = -grid.zenith();
    for (int column = 0; column < grid.columns(); ++column) {
        const Vec3 origin = grid.origin(column, row);
        const auto entry = body.entryPoint(origin, down);
        if (!entry)
            continue;
        LightShares light;
        bool external = true;
        light.remainder = followRay(
            body, settings.refractiveIndex, origin, down, *entry, [&](const PathStep &step) {
                sky.score(step.leaving, step.leavingWeight, external, light);
                external = false;
            });
        trace.sum += light;
        ++trace.hits;
        if (keepSamples)
            trace.samples.push_back({column, row, light});
    }
    return trace;
}

// A view being traced: its grid, its sky and its rows' traces, each in a
// place of its own, so that any thread may trace any row.
struct ViewRows {
    ViewRows(const ConvexBody &body, const ViewSettings &settings, const Tilt &tilt)
        : tilt(tilt),
          grid(body, tilt, settings.raysAcross),
          sky(grid.zenith(), settings.headHalfAngleDeg),
          rows(grid.rows()) {}

    // The rows added in their order, whichever thread traced them, so that
    // the figures come out the same on any number of threads.
    ViewTrace added() const {
        ViewTrace view;
        for (const RowTrace &row : rows) {
            view.figures += row.sum;
            view.hits += row.hits;
            view.samples.insert(view.samples.end(), row.samples.begin(), row.samples.end());
            view.complete = view.complete && row.complete;
        }
        view.tilt = tilt;
        view.columns = grid.columns();
        view.rows = grid.rows();
        if (view.hits > 0)
            view.figures *= 1.0 / view.hits;
        return view;
    }

    Tilt tilt;
    ViewGrid grid;
    Sky sky;
    std::vector<RowTrace> rows;
};

}  // namespace

std::vector<ViewTrace> traceViews(const ConvexBody &body, const ViewSettings &settings,
                                  const std::vector<Tilt> &tilts, Samples samples,
                                  const TraceControl &control) {
    struct RowAt {
        int view, row;
    };
    std::vector<ViewRows> views;
    views.reserve(tilts.size());
    std::vector<RowAt> rows;
    for (const Tilt &tilt : tilts) {
        views.emplace_back(body, settings, tilt);
        for (int row = 0; row < views.back().grid.rows(); ++row)
            rows.push_back({int(views.size()) - 1, row});
    }
    const bool keep = samples == Samples::kept;
    QtConcurrent::blockingMap(rows, [&](const RowAt &at) {
        ViewRows &view = views[at.view];
        RowTrace &trace = view.rows[at.row];
        if (control.cancel && control.cancel->load()) {
            trace.complete = false;
            return;
        }
        trace = traceRow(body, settings, view.grid, view.sky, at.row, keep);
        if (control.raysDone)
            *control.raysDone += view.grid.columns();
    });
    std::vector<ViewTrace> traced;
    for (const ViewRows &view : views)
        traced.push_back(view.added());
    return traced;
}

ViewTrace traceView(const ConvexBody &body, const ViewSettings &settings, const Tilt &tilt,
                    Samples samples, const TraceControl &control) {
    return traceViews(body, settings, {tilt}, samples, control).front();
}

qint64 gridRays(const ConvexBody &body, const ViewSettings &settings, const Tilt &tilt) {
    const ViewGrid grid(body, tilt, settings.raysAcross);
    return qint64(grid.columns()) * grid.rows();
}

std::vector<PathStep> tracePath(const ConvexBody &body, double refractiveIndex, const Vec3 &origin,
                                const Vec3 &direction) {
    std::vector<PathStep> path;
    if (const auto entry = body.entryPoint(origin, direction)) {
        followRay(body, refractiveIndex, origin, direction, *entry,
                  [&path](const PathStep &step) { path.push_back(step); });
    }
    return path;
}

}  // namespace stone

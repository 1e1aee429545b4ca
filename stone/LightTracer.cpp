#include "stone/LightTracer.h"

#include "calc/Constants.h"
#include "stone/CameraGrid.h"
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

// The viewer's sky, seen from the stone's frame: its horizon and zenith stay
// with the viewer, and the viewer's head hides a cone about each camera
// ray's line of sight to the eye.
class Sky {
public:
    Sky(const Vec3 &zenith, double headHalfAngleDeg)
        : zenith_(zenith), headCos_(std::cos(radians(headHalfAngleDeg))) {}

    // Light of weight leaving in direction, seen along a camera ray that
    // points back to the eye along toEye; external when reflected off the
    // outside.
    void score(const Vec3 &direction, double weight, bool external, const Vec3 &toEye,
               LightShares &shares) const {
        const double cosZenith = dot(direction, zenith_);
        const bool hidden = dot(direction, toEye) >= headCos_;
        if (cosZenith > 0 && !hidden) {
            shares.brightnessIso += weight;
            shares.brightnessCos += weight * cosZenith;
        }
        if (external)
            shares.externalReflection += weight;
        else if (cosZenith <= 0)
            shares.leakage += weight;
        else
            shares.bands[band(cosZenith)] += weight;
        if (!external && hidden && cosZenith > 0)
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

struct RowTrace {
    LightShares sum;
    int hits = 0;
    std::vector<RaySample> samples;
    bool complete = true;
};

RowTrace traceRow(const ConvexBody &body, const ViewSettings &settings, const CameraGrid &grid,
                  const Sky &sky, int row, bool keepSamples) {
    RowTrace trace;
    for (int column = 0; column < grid.columns(); ++column) {
        const CameraRay ray = grid.ray(column, row);
        const auto entry = body.entryPoint(ray.origin, ray.direction);
        if (!entry)
            continue;
        LightShares light;
        bool external = true;
        const Vec3 toEye = -ray.direction;
        light.remainder =
            followRay(body, settings.refractiveIndex, ray.origin, ray.direction, *entry,
                      [&](const PathStep &step) {
                          sky.score(step.leaving, step.leavingWeight, external, toEye, light);
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
          grid(body, tilt, settings.raysAcross, settings.eyeDistance),
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
    CameraGrid grid;
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
    const CameraGrid grid(body, tilt, settings.raysAcross, settings.eyeDistance);
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

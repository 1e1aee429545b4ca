#pragma once

#include "stone/ConvexBody.h"
#include "stone/LightModel.h"

#include <QtGlobal>
#include <atomic>
#include <vector>

namespace stone {

// How a caller on another thread follows and stops a trace: the trace adds
// each grid row's rays to raysDone and stops soon after cancel turns true.
struct TraceControl {
    const std::atomic_bool *cancel = nullptr;
    std::atomic<qint64> *raysDone = nullptr;
};

// A view of the stone traced with a grid of camera rays.
struct ViewTrace {
    Tilt tilt;
    int columns = 0, rows = 0;       // the grid, for a map of the samples
    LightShares figures;             // the mean over the rays that hit the stone
    int hits = 0;                    // the rays that hit it; misses do not count
    std::vector<RaySample> samples;  // each hit, row by row, when kept
    bool complete = true;            // false when cancelled
};

enum class Samples { dropped, kept };

// Traces one view on all cores: parallel rays from the viewer over the
// stone's silhouette, each followed backwards through the stone.
ViewTrace traceView(const ConvexBody &body, const ViewSettings &settings, const Tilt &tilt,
                    Samples samples = Samples::dropped, const TraceControl &control = {});

// Traces several views as one job on all cores, as traceView() traces each,
// so that the cores need not wait for each other at the end of every view.
std::vector<ViewTrace> traceViews(const ConvexBody &body, const ViewSettings &settings,
                                  const std::vector<Tilt> &tilts,
                                  Samples samples = Samples::dropped,
                                  const TraceControl &control = {});

// The camera rays of a view's grid, hits and misses: what raysDone counts up to.
qint64 gridRays(const ConvexBody &body, const ViewSettings &settings, const Tilt &tilt);

// Where one camera ray meets the surface, and what leaves the stone there:
// at the entry point the light reflected off the outside, then at each
// internal hit the light refracted out (weight 0 under total internal
// reflection); the rest goes on reflected inside.
struct PathStep {
    Vec3 point;
    int surface = 0;  // a plane of the body, or girdleSurface
    Vec3 leaving;     // direction of the light that leaves here
    double leavingWeight = 0;
};

// The path of one camera ray that hits the stone (empty when it misses),
// until 20 internal reflections or a weight below 1e-4.
std::vector<PathStep> tracePath(const ConvexBody &body, double refractiveIndex, const Vec3 &origin,
                                const Vec3 &direction);

}  // namespace stone

#pragma once

#include "stone/Brilliant.h"
#include "stone/ClassicCuts.h"
#include "stone/ConvexBody.h"
#include "stone/LightTracer.h"

#include <vector>

namespace stone {

// The views of the tilted brightness: face up, then 5º to 30º in steps of 5º
// about a main's azimuth and about a star's.
std::vector<Tilt> tiltSeries();

// The views of the fire: face up and tilted 15º, each about a main's azimuth
// and about a star's, which also turns the lamps over the stone. A cut's fire
// is its median over them. The lamps are small: one view alone can catch a
// flash that a degree of tilt or a turn of the stone puts out, and a search
// for fire finds such cuts; the median needs the fire in half the views.
std::vector<Tilt> fireTilts();

// The light of one cut in every view of tiltSeries().
struct CutLight {
    NamedCut cut;
    Brilliant stone;
    std::vector<ViewTrace> views;  // face up first
    double fire = 0;  // the median over fireTilts() under the lamps, when traced (ColourTracer.h)

    const LightShares &faceUp() const { return views.front().figures; }
    // The ISO brightness averaged over the views.
    double tiltedBrightness() const;
    // The COS brightness averaged over the views.
    double tiltedBrightnessCos() const;
};

// Whether a comparison traces each cut's fire too, in colour.
enum class Fire { traced, skipped };

// Builds and traces each cut in every view, the views of a cut as one job on
// all cores. Cancelled, it returns the cuts traced whole so far.
std::vector<CutLight> compareCuts(const std::vector<NamedCut> &cuts, const ViewSettings &settings,
                                  const TraceControl &control = {}, Fire fire = Fire::skipped);

// The camera rays that compareCuts() traces, each colour ray as many as its
// wavelengths: what raysDone counts up to.
qint64 comparisonRays(const std::vector<NamedCut> &cuts, const ViewSettings &settings,
                      Fire fire = Fire::skipped);

}  // namespace stone

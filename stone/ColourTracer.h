#pragma once

#include "stone/Colour.h"
#include "stone/ConvexBody.h"
#include "stone/LightTracer.h"

#include <optional>
#include <vector>

// The stone as the eye sees it under the lighting "Focos" (Spotlights.h),
// in colour: each camera ray traced at every wavelength of Colour.h with
// the index that Cauchy's law gives there from the material's IR and
// dispersion, and the light it returns turned into a colour.
namespace stone {

// Fire: a point of the stone flashes colour when the light it returns is
// bright, its luminance above that of white paper under the uniform sky (ten
// times the dark dome's), and coloured, its u'v' chromaticity more than 0.04
// from daylight's, ten times the least difference the eye sees.
inline constexpr double fireLuminance = 1;
inline constexpr double fireChromaDistance = 0.04;

// A traced view in colour, row by row from the top, each from the left;
// empty where a ray misses the stone.
struct ColourView {
    int columns = 0, rows = 0;
    std::vector<std::optional<Rgb>> pixels;
    double fire = 0;  // the share of the rays that hit the stone and flash colour
    bool complete = true;
};

// The screen's exposure of the colours: the dome dark grey, the lamps'
// light white or coloured.
inline constexpr double colourExposure = 3;

// The camera rays of a colour view, each counted once per wavelength: what
// its raysDone counts up to.
qint64 colourRays(const ConvexBody &body, const ViewSettings &settings, const Tilt &tilt);

// Traces a view in colour on all cores. With a dispersion of 0, every
// wavelength takes the same path and the stone shows no fire.
ColourView traceColourView(const ConvexBody &body, const ViewSettings &settings, const Tilt &tilt,
                           const TraceControl &control = {});

}  // namespace stone

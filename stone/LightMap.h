#pragma once

#include "stone/LightModel.h"
#include "stone/LightTracer.h"

#include <QString>
#include <optional>
#include <vector>

// Where the light that a viewer sees in each point of the stone comes from,
// the way cutters map it: green from low in the sky (0–45º above the
// horizon), red from the middle (45–75º), blue from high up (75–90º), grey
// where the viewer's own head hides the sky, and black where it leaks out
// below the horizon or is only reflected off the outside.
namespace stone {

struct MapColour {
    double red = 0, green = 0, blue = 0;  // 0 to 1
};

// A ray's colour: each band as bright as the share of its light that leaves
// into that band and past the viewer's head, and grey as bright as what the
// head hides.
MapColour mapColour(const LightShares &light);

// What the colours mean, in a sentence.
QString lightMapLegend();

// A traced view as seen from above, one cell per camera ray of its grid:
// the rows top first, each from left to right; empty where a ray misses the
// stone.
struct LightMap {
    int columns = 0, rows = 0;
    std::vector<std::optional<MapColour>> cells;
};

// The map of a view traced with its samples kept.
LightMap lightMap(const ViewTrace &view);

}  // namespace stone

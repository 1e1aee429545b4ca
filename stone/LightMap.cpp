#include "stone/LightMap.h"

#include <algorithm>

namespace stone {

MapColour mapColour(const LightShares &light) {
    // The head's cone stands about the zenith, so what it hides is the
    // highest band's light first, then the middle's, then the lowest's.
    std::array<double, 3> seen = light.bands;
    double hidden = light.head;
    for (int band = highBand; band >= lowBand; --band) {
        const double taken = std::min(hidden, seen[band]);
        seen[band] -= taken;
        hidden -= taken;
    }
    return {seen[middleBand], seen[lowBand], seen[highBand]};
}

LightMap lightMap(const ViewTrace &view) {
    LightMap map{view.columns, view.rows,
                 std::vector<std::optional<MapColour>>(size_t(view.columns) * view.rows)};
    // The grid's rows run up the view, away from the viewer's chest.
    for (const RaySample &sample : view.samples)
        map.cells[size_t(view.rows - 1 - sample.row) * view.columns + sample.column] =
            mapColour(sample.light);
    return map;
}

}  // namespace stone

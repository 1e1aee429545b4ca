#include "stone/LightMap.h"

#include <QCoreApplication>
#include <algorithm>

namespace stone {

namespace {

// Light the head hides, at full strength, as a mid grey: apart from every
// band's colour and from the black of light lost.
constexpr double headGrey = 0.55;

}  // namespace

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
    const double grey = headGrey * light.head;
    return {seen[middleBand] + grey, seen[lowBand] + grey, seen[highBand] + grey};
}

QString lightMapLegend() {
    return QCoreApplication::translate(
        "LightMap",
        "Verde: luz de 0 a 45º sobre el horizonte; rojo: de 45 a 75º; azul: de 75 a 90º; "
        "gris: tapada por la cabeza del observador; negro: fuga o reflejo externo.");
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

#include "stone/ColourTracer.h"

#include "stone/CameraGrid.h"
#include "stone/CauchyIndex.h"
#include "stone/Spotlights.h"

#include <QtConcurrent/QtConcurrentMap>
#include <numeric>

namespace stone {

namespace {

struct RowColours {
    std::vector<std::optional<Rgb>> pixels;
    int hits = 0;
    int fiery = 0;
    bool complete = true;
};

// The light a camera ray returns, at each wavelength, as a fraction of the
// daylight of radiance 1.
Spectrum returnedLight(const ConvexBody &body, const std::array<double, wavelengthCount> &indices,
                       const Spotlights &lights, const CameraRay &ray) {
    Spectrum light{};
    const Vec3 toEye = -ray.direction;
    for (int k = 0; k < wavelengthCount; ++k) {
        for (const PathStep &step : tracePath(body, indices[k], ray.origin, ray.direction))
            light[k] += step.leavingWeight * lights.radiance(step.leaving, toEye);
    }
    return light;
}

RowColours traceRow(const ConvexBody &body, const std::array<double, wavelengthCount> &indices,
                    const CameraGrid &grid, const Spotlights &lights, int row) {
    RowColours colours;
    colours.pixels.resize(std::size_t(grid.columns()));
    for (int column = 0; column < grid.columns(); ++column) {
        const CameraRay ray = grid.ray(column, row);
        if (!body.entryPoint(ray.origin, ray.direction))
            continue;
        const Xyz colour = xyzOf(returnedLight(body, indices, lights, ray));
        colours.pixels[std::size_t(column)] = srgbOf(colour, colourExposure);
        ++colours.hits;
        if (colour.y > fireLuminance && distanceFromWhite(colour) > fireChromaDistance)
            ++colours.fiery;
    }
    return colours;
}

}  // namespace

ColourView traceColourView(const ConvexBody &body, const ViewSettings &settings, const Tilt &tilt,
                           const TraceControl &control) {
    const CameraGrid grid(body, tilt, settings.raysAcross, settings.eyeDistance);
    const Spotlights lights(grid.zenith(), grid.across(), grid.along(), settings.headHalfAngleDeg);
    const CauchyIndex index(settings.refractiveIndex, settings.dispersion);
    std::array<double, wavelengthCount> indices{};
    for (int k = 0; k < wavelengthCount; ++k)
        indices[k] = index.at(wavelengthAt(k));
    std::vector<int> rows(std::size_t(grid.rows()));
    std::iota(rows.begin(), rows.end(), 0);
    const auto traceOne = [&](int row) {
        if (control.cancel && control.cancel->load())
            return RowColours{{}, 0, 0, false};
        RowColours colours = traceRow(body, indices, grid, lights, row);
        if (control.raysDone)
            *control.raysDone += qint64(grid.columns()) * wavelengthCount;
        return colours;
    };
    int hits = 0, fiery = 0;
    // The grid's rows run up the view; a picture's, down. In row order, so
    // that the sums come out the same on every run.
    const auto add = [&hits, &fiery](ColourView &view, const RowColours &row) {
        view.pixels.insert(view.pixels.begin(), row.pixels.begin(), row.pixels.end());
        hits += row.hits;
        fiery += row.fiery;
        view.complete = view.complete && row.complete;
    };
    ColourView view = QtConcurrent::blockingMappedReduced<ColourView>(
        rows, traceOne, add, QtConcurrent::OrderedReduce | QtConcurrent::SequentialReduce);
    view.columns = grid.columns();
    view.rows = grid.rows();
    view.fire = hits > 0 ? double(fiery) / hits : 0;
    return view;
}

qint64 colourRays(const ConvexBody &body, const ViewSettings &settings, const Tilt &tilt) {
    return gridRays(body, settings, tilt) * wavelengthCount;
}

}  // namespace stone

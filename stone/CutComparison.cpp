#include "stone/CutComparison.h"

#include "stone/ColourTracer.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace stone {

std::vector<Tilt> tiltSeries() {
    constexpr double mainAzimuth = 0, starAzimuth = 22.5;
    std::vector<Tilt> tilts{{0, mainAzimuth}};
    for (const double azimuth : {mainAzimuth, starAzimuth}) {
        for (int degrees = 5; degrees <= 30; degrees += 5)
            tilts.push_back({double(degrees), azimuth});
    }
    return tilts;
}

std::vector<Tilt> fireTilts() {
    return {{0, 0}, {0, 22.5}, {15, 0}, {15, 22.5}};
}

namespace {

// The median fire of the stone over fireTilts(), or nothing if cancelled.
std::optional<double> medianFire(const ConvexBody &body, const ViewSettings &settings,
                                 const TraceControl &control) {
    std::vector<double> fires;
    for (const Tilt &tilt : fireTilts()) {
        const ColourView colour = traceColourView(body, settings, tilt, control);
        if (!colour.complete)
            return std::nullopt;
        fires.push_back(colour.fire);
    }
    std::sort(fires.begin(), fires.end());
    const size_t middle = fires.size() / 2;
    return fires.size() % 2 ? fires[middle] : (fires[middle - 1] + fires[middle]) / 2;
}

double meanOverViews(const std::vector<ViewTrace> &views, double LightShares::*brightness) {
    const double sum = std::accumulate(views.begin(), views.end(), 0.0,
                                       [brightness](double total, const ViewTrace &view) {
                                           return total + view.figures.*brightness;
                                       });
    return sum / views.size();
}

}  // namespace

double CutLight::tiltedBrightness() const {
    return meanOverViews(views, &LightShares::brightnessIso);
}

double CutLight::tiltedBrightnessCos() const {
    return meanOverViews(views, &LightShares::brightnessCos);
}

std::vector<CutLight> compareCuts(const std::vector<NamedCut> &cuts, const ViewSettings &settings,
                                  const TraceControl &control, Fire fire) {
    std::vector<CutLight> traced;
    for (const NamedCut &cut : cuts) {
        CutLight light{cut, buildBrilliant(cut.proportions, cut.choices), {}};
        const ConvexBody body(light.stone);
        light.views = traceViews(body, settings, tiltSeries(), Samples::dropped, control);
        if (!std::all_of(light.views.begin(), light.views.end(),
                         [](const ViewTrace &view) { return view.complete; }))
            return traced;
        if (fire == Fire::traced) {
            const std::optional<double> fireOfViews = medianFire(body, settings, control);
            if (!fireOfViews)
                return traced;
            light.fire = *fireOfViews;
        }
        traced.push_back(std::move(light));
    }
    return traced;
}

qint64 comparisonRays(const std::vector<NamedCut> &cuts, const ViewSettings &settings, Fire fire) {
    qint64 rays = 0;
    for (const NamedCut &cut : cuts) {
        const ConvexBody body(buildBrilliant(cut.proportions, cut.choices));
        for (const Tilt &tilt : tiltSeries())
            rays += gridRays(body, settings, tilt);
        if (fire == Fire::traced) {
            for (const Tilt &tilt : fireTilts())
                rays += colourRays(body, settings, tilt);
        }
    }
    return rays;
}

}  // namespace stone

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
    return {{0, 0}, {15, 0}, {15, 22.5}};
}

namespace {

// The fire of the stone averaged over fireTilts(), or nothing if cancelled.
std::optional<double> meanFire(const ConvexBody &body, const ViewSettings &settings,
                               const TraceControl &control) {
    double sum = 0;
    const std::vector<Tilt> tilts = fireTilts();
    for (const Tilt &tilt : tilts) {
        const ColourView colour = traceColourView(body, settings, tilt, control);
        if (!colour.complete)
            return std::nullopt;
        sum += colour.fire;
    }
    return sum / tilts.size();
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
            const std::optional<double> meanOfViews = meanFire(body, settings, control);
            if (!meanOfViews)
                return traced;
            light.fire = *meanOfViews;
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

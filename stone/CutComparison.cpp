#include "stone/CutComparison.h"

#include "stone/ColourTracer.h"

#include <algorithm>
#include <numeric>

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

namespace {

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
            const ColourView colour = traceColourView(body, settings, {}, control);
            if (!colour.complete)
                return traced;
            light.fire = colour.fire;
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
        if (fire == Fire::traced)
            rays += colourRays(body, settings, {});
    }
    return rays;
}

}  // namespace stone

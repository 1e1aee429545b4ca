#include "stone/CutFigures.h"

#include <algorithm>
#include <map>

namespace stone {

std::vector<NamedCut> cutsToCompare(const Proportions &computed, const CutChoices &choices) {
    std::vector<NamedCut> cuts{{QStringLiteral("Calculada"), computed, choices}};
    for (const NamedCut &classic : classicCuts())
        cuts.push_back(classic);
    return cuts;
}

std::vector<TiltPoint> tiltCurve(const CutLight &light) {
    std::map<double, std::pair<double, int>> sums;  // by tilt: brightness, views
    for (const ViewTrace &view : light.views) {
        auto &[sum, count] = sums[view.tilt.degrees];
        sum += view.figures.brightnessIso;
        ++count;
    }
    std::vector<TiltPoint> curve;
    for (const auto &[tilt, sum] : sums)
        curve.push_back({tilt, sum.first / sum.second});
    return curve;
}

std::vector<FigureColumn> figureColumns() {
    using L = const CutLight &;
    using B = FigureColumn::Better;
    return {
        {QStringLiteral("Brillo ISO"), [](L l) { return l.faceUp().brightnessIso; }},
        {QStringLiteral("Brillo cos"), [](L l) { return l.faceUp().brightnessCos; }},
        {QStringLiteral("Brillo inclinado"), [](L l) { return l.tiltedBrightness(); }},
        {QStringLiteral("Reflejo externo"), [](L l) { return l.faceUp().externalReflection; },
         B::neither},
        {QStringLiteral("Fuga"), [](L l) { return l.faceUp().leakage; }, B::less},
        {QStringLiteral("Banda 0–45º"), [](L l) { return l.faceUp().bands[lowBand]; }, B::neither},
        {QStringLiteral("Banda 45–75º"), [](L l) { return l.faceUp().bands[middleBand]; },
         B::neither},
        {QStringLiteral("Banda 75–90º"), [](L l) { return l.faceUp().bands[highBand]; },
         B::neither},
    };
}

std::size_t bestCut(const std::vector<CutLight> &cuts, const FigureColumn &column) {
    const auto better = [&column](const CutLight &a, const CutLight &b) {
        return column.better == FigureColumn::Better::less ? column.share(a) < column.share(b)
                                                           : column.share(a) > column.share(b);
    };
    // min_element with "better" finds the first of the best.
    return std::size_t(std::min_element(cuts.begin(), cuts.end(), better) - cuts.begin());
}

}  // namespace stone

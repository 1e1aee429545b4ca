#include "stone/CutFigures.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>

namespace stone {

namespace {

// Text::tr() translates in this file's context, which lupdate reads from
// the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CutFigures)
};

}  // namespace

std::vector<NamedCut> cutsToCompare(const Proportions &computed, const CutChoices &choices) {
    std::vector<NamedCut> cuts{{computedCutName(), computed, choices}};
    for (const NamedCut &classic : classicCuts())
        cuts.push_back(classic);
    return cuts;
}

std::vector<NamedCut> cutsToCompare(const StoneDesign &design) {
    std::vector<NamedCut> cuts = cutsToCompare(design.proportions(), design.choices);
    QString name = cutKind(design);
    name[0] = name[0].toUpper();
    cuts.front().name = name;
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
    return {
        {Text::tr("Brillo ISO"), [](L l) { return l.faceUp().brightnessIso; }},
        {Text::tr("Brillo cos"), [](L l) { return l.faceUp().brightnessCos; }},
        rankingColumn(),
        {Text::tr("Brillo inclinado cos"), [](L l) { return l.tiltedBrightnessCos(); }},
        {Text::tr("Reflejo externo"), [](L l) { return l.faceUp().externalReflection; }},
        {Text::tr("Fuga"), [](L l) { return l.faceUp().leakage; }},
        {Text::tr("Fuego"), [](L l) { return l.fire; }},
        {Text::tr("Banda 0–45º"), [](L l) { return l.faceUp().bands[lowBand]; }},
        {Text::tr("Banda 45–75º"), [](L l) { return l.faceUp().bands[middleBand]; }},
        {Text::tr("Banda 75–90º"), [](L l) { return l.faceUp().bands[highBand]; }},
    };
}

FigureColumn rankingColumn() {
    return {Text::tr("Brillo inclinado"), [](const CutLight &l) { return l.tiltedBrightness(); },
            true};
}

std::size_t bestCut(const std::vector<CutLight> &cuts) {
    const auto brighter = [](const CutLight &a, const CutLight &b) {
        return a.tiltedBrightness() > b.tiltedBrightness();
    };
    // min_element with "brighter" finds the first of the brightest.
    return std::size_t(std::min_element(cuts.begin(), cuts.end(), brighter) - cuts.begin());
}

}  // namespace stone

#include "drawing/RayTrace.h"

#include "calc/Constants.h"
#include "drawing/Canvas.h"
#include "drawing/Pacer.h"
#include "drawing/Profile.h"

#include <array>
#include <cmath>

namespace {

// Where the rays come from and where the emerging light is shown ending.
constexpr double rayStartY = 200;
constexpr double exitLineY = 300;

// A stage without its start point: the direction of the segment and the
// target line.
struct StageTarget {
    double rayAngle;
    double facetX;
    double facetY;
    double facetAngle;
};

using RayStages = std::array<StageTarget, 5>;

// The five stages: into the stone through the left crown facet, to the left
// pavilion facet, across to the right pavilion facet, up to the table and out
// to the line above the stone.
RayStages rayStages(const CutResult &cut) {
    const ProfilePlacement &place = rayCanvasPlacement;
    const double left = place.profileLeft;
    const double girdle = place.girdleY;
    const double width = place.profileWidth;
    return {{
        {90 * pi / 180, left, girdle, cut.i},
        {pi / 2 + cut.deltaI, left, girdle, 2 * pi - cut.alfa},
        {2 * pi - cut.beta, left + width / 2, girdle + width * cut.nRatio, cut.alfa},
        {pi / 2 + cut.epsIn, 0, girdle - width * cut.qRatio, 0},
        {pi / 2 + cut.eps, 0, exitLineY, 0},
    }};
}

void traceRay(Canvas &picture2, double xEntry, const RayStages &stages, Pacer &pacer) {
    double rayX = xEntry;
    double rayY = rayStartY;
    for (const StageTarget &target : stages) {
        const TraceStage stage{rayX,          rayY,          target.rayAngle,
                               target.facetX, target.facetY, target.facetAngle};
        const std::optional<SegmentEnd> end = traceSegment(picture2, stage, pacer);
        if (!end)
            return;
        rayX = end->hitX;
        rayY = end->hitY;
    }
}

}  // namespace

QList<double> rayEntryPoints(double bRatio) {
    const double left = rayCanvasPlacement.profileLeft;
    const double span = rayCanvasPlacement.profileWidth * bRatio;
    const double step = span / 12;
    const double last = std::floor(left + span) + 1;
    QList<double> entries;
    if (!std::isfinite(step) || step == 0)
        return entries;
    const auto withinBound = [&](double x) { return step > 0 ? x <= last : x >= last; };
    for (double xEntry = left; withinBound(xEntry) && entries.size() < maxRays; xEntry += step) {
        entries.append(xEntry);
        if (xEntry + step == xEntry)
            break;
    }
    return entries;
}

std::optional<SegmentEnd> traceSegment(Canvas &picture2, const TraceStage &stage, Pacer &pacer) {
    SegmentEnd end;
    end.mFacet = -std::tan(stage.facetAngle);
    end.mRay = -std::tan(stage.rayAngle);
    end.hitX = ((stage.facetY - stage.rayY) + (end.mRay * stage.rayX - end.mFacet * stage.facetX)) /
               (end.mRay - end.mFacet);
    end.hitY = stage.facetY - end.mFacet * (stage.facetX - end.hitX);
    // Parallel lines divide by zero: no point to draw to.
    if (!std::isfinite(end.hitX) || !std::isfinite(end.hitY))
        return std::nullopt;
    picture2.DrawLine(stage.rayX, stage.rayY, end.hitX, end.hitY);
    pacer.pause();
    return end;
}

void traceRays(Canvas &picture2, const CutResult &cut, Pacer &pacer) {
    const RayStages stages = rayStages(cut);
    for (const double xEntry : rayEntryPoints(cut.bRatio))
        traceRay(picture2, xEntry, stages, pacer);
}

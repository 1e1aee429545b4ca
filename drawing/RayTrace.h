#pragma once

#include "calc/CutResult.h"

#include <QList>
#include <optional>

class Canvas;
class Pacer;

// The animation of a fan of vertical rays through the fixed-scale profile of
// Picture2: each ray enters the left crown facet and is followed, segment by
// segment with a pause after each, to the left and the right pavilion facet,
// up through the table and out above the stone.

// The fan never has more rays than this. Ordinary stones have thirteen; for a
// crown facet narrower than 4 units the step shrinks below one unit and the
// fan would grow without bound (to millions of rays for IR just above 1),
// while its rays would fall within a pixel of each other. Forty rays keep
// the animation within a few seconds.
inline constexpr int maxRays = 40;

// The x of each ray's entry at y = 200: from the left end of the girdle line
// across the left crown facet in twelfths of its span, by repeated addition,
// while within the bound floor(100 + 3000 * bRatio) + 1 in the direction of
// the step. The fan stops early after maxRays rays or once adding the step no
// longer moves the entry point, and is empty when the step is not finite.
QList<double> rayEntryPoints(double bRatio);

// One stage of a ray: the line that carries the segment, through its start
// point, and the target line that ends it. Directions are radians
// counterclockwise from +x as seen on the screen.
struct TraceStage {
    double rayX = 0;
    double rayY = 0;
    double rayAngle = 0;
    double facetX = 0;
    double facetY = 0;
    double facetAngle = 0;
};

// The slopes of the two lines (y downwards per unit of x) and where they meet.
struct SegmentEnd {
    double mRay = 0;
    double mFacet = 0;
    double hitX = 0;
    double hitY = 0;
};

// Draws the segment from the start point to where the two lines of stage
// meet, then pauses. Lines that are parallel, or meet at no finite point,
// draw nothing and give no end.
std::optional<SegmentEnd> traceSegment(Canvas &picture2, const TraceStage &stage, Pacer &pacer);

// The whole animation for a cut, on picture2; returns after the pause of the
// last segment. A ray that loses its way (a stage without an end) is
// abandoned and the next one is traced.
void traceRays(Canvas &picture2, const CutResult &cut, Pacer &pacer);

#include "drawing/Profile.h"

#include "calc/Constants.h"
#include "calc/ResultLines.h"
#include "drawing/Canvas.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

namespace {

// Outer height of Picture1; the pavilion fit keeps the dimension lines, which
// reach 650 units below the culet, above it.
constexpr double picture1Height = 5175;
// Radius of the arc that marks the two angles on Picture1.
constexpr double angleMarkRadius = 600;
constexpr double dotRadius = 20;
// DrawArc's colour: red 1, green 0, blue 0, which looks black.
constexpr quint32 angleMarkColour = 1;

void printAt(Canvas &canvas, double x, double y, const QString &text) {
    canvas.SetPosition(x, y);
    canvas.PrintLine(text);
}

// A second pavilion outline 75 units below the first, and the advice to
// mirror the pavilion or raise épsilon.
void drawMirrorWarning(Canvas &picture2, const CutResult &cut) {
    const ProfilePlacement &place = rayCanvasPlacement;
    const double halfWidth = place.profileWidth / 2;
    const double depth = place.profileWidth * cut.nRatio;
    picture2.DrawLineBy(place.profileLeft, place.girdleY + 75, halfWidth, depth);
    picture2.ContinueLineBy(halfWidth, -depth);
    printAt(picture2, 200, 3550, mirrorWarning());
}

// "alfa º": an angle's name where the arc marks it.
QString angleName(Result angle) {
    return resultSymbol(angle) + u' ' + degreeSign();
}

// The arc around the left end of the girdle line, the dots where it crosses
// the girdle line and the two facets, the angle names and the axis.
void drawAngleMarks(Canvas &picture1, const ProfilePlacement &place, const CutResult &cut) {
    const double left = place.profileLeft;
    const double girdle = place.girdleY;
    const double r = angleMarkRadius;
    picture1.DrawArc(left, girdle, r, angleMarkColour, 2 * pi - cut.alfa - pi / 20,
                     cut.i + pi / 20);
    picture1.DrawCircle(left + r, girdle, dotRadius);
    picture1.DrawCircle(left + r * std::cos(cut.i), girdle - r * std::sin(cut.i), dotRadius);
    picture1.DrawCircle(left + r * std::cos(cut.alfa), girdle + r * std::sin(cut.alfa), dotRadius);
    printAt(picture1, left + r * std::cos(cut.i) - 175, girdle - r * std::sin(cut.i) - 200,
            angleName(Result::i));
    // The pavilion's name starts 400 left of its dot, or further left when it
    // is wider, so that it ends at most 20 past the dot, before the pavilion
    // line, in any language.
    const QString pavilionName = angleName(Result::alfa);
    const double pavilionNameX =
        left + r * std::cos(cut.alfa) - std::max(400.0, picture1.TextWidth(pavilionName) - 20.0);
    printAt(picture1, pavilionNameX, girdle + r * std::sin(cut.alfa) + 35, pavilionName);
    const double axisX = left + place.profileWidth / 2;
    picture1.DrawLine(axisX, 300, axisX, girdle + cut.nRatio * place.profileWidth + 100);
}

}  // namespace

ProfilePlacement fitProfile(const CutResult &cut) {
    ProfilePlacement place{2200, 2000, 4500};
    double &width = place.profileWidth;
    const double crown = cut.qRatio * width + 350;
    if (crown > place.girdleY)
        width = width * place.girdleY / crown;
    const double below = picture1Height - place.girdleY;
    const double pavilion = cut.nRatio * width + 1300;
    if (pavilion > below)
        width = width * below / pavilion;
    return place;
}

void drawOutline(Canvas &canvas, double left, double girdle, double width, const CutResult &cut) {
    canvas.DrawLineBy(left, girdle, width, 0);
    canvas.ContinueLineBy(-width * cut.bRatio, -width * cut.qRatio);
    canvas.ContinueLineBy(-width * cut.aRatio, 0);
    canvas.ContinueLineBy(-width * cut.bRatio, width * cut.qRatio);
    canvas.ContinueLineBy(width / 2, width * cut.nRatio);
    canvas.ContinueLineBy(width / 2, -width * cut.nRatio);
}

void drawProfile(Canvas &picture1, Canvas &picture2, const CutResult &cut) {
    const ProfilePlacement &fixed = rayCanvasPlacement;
    drawOutline(picture2, fixed.profileLeft, fixed.girdleY, fixed.profileWidth, cut);
    if (needsMirroring(cut))
        drawMirrorWarning(picture2, cut);

    const ProfilePlacement scaled = fitProfile(cut);
    drawOutline(picture1, scaled.profileLeft, scaled.girdleY, scaled.profileWidth, cut);
    drawAngleMarks(picture1, scaled, cut);
}

void drawDimensions(Canvas &picture1, const CutResult &cut) {
    const ProfilePlacement place = fitProfile(cut);
    const double width = place.profileWidth;
    const double left = place.profileLeft;
    const double right = left + width;
    const double girdle = place.girdleY;
    const double table = girdle - cut.qRatio * width;
    const double culet = girdle + cut.nRatio * width;
    const double facet = cut.bRatio * width;  // span of a crown facet

    const QLineF lines[] = {
        {left, culet + 300, right, culet + 300},  // D
        {left, culet + 600, right, culet + 600},  // b, a, b
        {left, culet + 550, left, culet + 650},   // its marks, left to right
        {left + facet, culet + 550, left + facet, culet + 650},
        {right - facet, culet + 550, right - facet, culet + 650},
        {right, culet + 550, right, culet + 650},
        {left, culet + 250, left, culet + 350},  // the marks of D
        {right, culet + 250, right, culet + 350},
        {right + 300, table, right + 300, culet},  // q above n
        {right + 600, table, right + 600, culet},  // H
        {right + 550, table, right + 650, table},  // top marks
        {right + 250, table, right + 350, table},
        {right + 550, culet, right + 650, culet},  // bottom marks
        {right + 250, culet, right + 350, culet},
        {right + 250, girdle, right + 350, girdle},  // between q and n
    };
    for (const QLineF &line : lines)
        picture1.DrawLine(line.x1(), line.y1(), line.x2(), line.y2());

    // Each letter by the top-left corner of its text; -100 centres a text
    // about 200 units high on the middle of what it names.
    printAt(picture1, left + width / 2, culet + 100, resultSymbol(Result::D));
    printAt(picture1, left + width / 2, culet + 400, resultSymbol(Result::a));
    printAt(picture1, left + facet / 2, culet + 400, resultSymbol(Result::b));
    printAt(picture1, right - facet / 2, culet + 400, resultSymbol(Result::b));
    printAt(picture1, right + 150, girdle - (cut.qRatio * width / 2 + 100),
            resultSymbol(Result::q));
    printAt(picture1, right + 150, girdle + (cut.nRatio * width / 2 - 100),
            resultSymbol(Result::n));
    printAt(picture1, right + 450, table + ((cut.nRatio + cut.qRatio) / 2) * width - 100,
            resultSymbol(Result::H));
}

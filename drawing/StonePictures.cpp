#include "drawing/StonePictures.h"

#include "drawing/PainterCanvas.h"
#include "stone/CutFigures.h"

#include <QCoreApplication>
#include <QImage>
#include <QPolygonF>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace {

// Text::tr() translates in this file's context, which lupdate reads from
// the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(StonePictures)
};

// A clear stone a little blue, its edges dark so that the facets stand out.
const QColor stoneColour(200, 225, 250);
const QColor edgeColour(30, 50, 80);
constexpr double stoneMargin = 1.04;

QColor shaded(double shade) {
    return QColor::fromRgbF(float(stoneColour.redF() * shade), float(stoneColour.greenF() * shade),
                            float(stoneColour.blueF() * shade));
}

QRgb mapPixel(double red, double green, double blue) {
    const auto level = [](double share) { return qBound(0, int(std::lround(255 * share)), 255); };
    return qRgb(level(red), level(green), level(blue));
}

// A picture of a grid of cells, square, centred in area and as large as it
// allows, interpolated between the cells; where a cell is empty the canvas
// shows through.
template <typename Cell, typename Pixel>
void drawCells(PainterCanvas &canvas, const QRectF &area, int columns, int rows,
               const std::vector<std::optional<Cell>> &cells, Pixel pixel) {
    if (columns == 0 || rows == 0)
        return;
    // Premultiplied, so that interpolating towards an empty cell fades the
    // colour out instead of darkening it.
    QImage image(columns, rows, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (const auto &cell = cells[size_t(row) * columns + column])
                image.setPixel(column, row, pixel(*cell));
        }
    }
    const double side = std::min(area.width() / columns, area.height() / rows);
    QRectF target(0, 0, side * columns, side * rows);
    target.moveCenter(area.center());
    canvas.drawImage(target, image, PainterCanvas::Scaling::smooth);
}

// The tilt curves' frame: which values its edges stand for.
struct CurveFrame {
    QRectF plot;
    double lowestPercent = 0, highestPercent = 0;
    double highestTilt = 30;

    QPointF at(double tiltDeg, double percent) const {
        return {plot.left() + plot.width() * tiltDeg / highestTilt,
                plot.bottom() -
                    plot.height() * (percent - lowestPercent) / (highestPercent - lowestPercent)};
    }
};

constexpr double tiltStep = 5;
constexpr double percentStep = 5;

CurveFrame curveFrame(const QRectF &plot, const std::vector<stone::CutLight> &cuts) {
    double lowest = 100, highest = 0;
    for (const stone::CutLight &light : cuts) {
        for (const stone::TiltPoint &point : stone::tiltCurve(light)) {
            lowest = std::min(lowest, 100 * point.brightness);
            highest = std::max(highest, 100 * point.brightness);
        }
    }
    lowest = std::floor(std::min(lowest, highest) / percentStep) * percentStep;
    highest = std::max(lowest + percentStep, std::ceil(highest / percentStep) * percentStep);
    return {plot, lowest, highest};
}

void printAt(PainterCanvas &canvas, const QPointF &topLeft, const QString &text) {
    canvas.SetPosition(float(topLeft.x()), float(topLeft.y()));
    canvas.PrintLine(text);
}

void drawAxes(PainterCanvas &canvas, const CurveFrame &frame, const QSizeF &digit) {
    const QRectF &plot = frame.plot;
    canvas.DrawLine(float(plot.left()), float(plot.top()), float(plot.left()),
                    float(plot.bottom()));
    canvas.ContinueLineBy(float(plot.width()), 0);
    for (double tilt = 0; tilt <= frame.highestTilt; tilt += tiltStep) {
        const QPointF foot = frame.at(tilt, frame.lowestPercent);
        canvas.DrawLineBy(float(foot.x()), float(foot.y()), 0, float(digit.height() / 3));
        const QString label = QString::number(tilt);
        printAt(canvas, foot + QPointF(-digit.width() * label.size() / 2, digit.height() / 3),
                label);
    }
    for (double percent = frame.lowestPercent; percent <= frame.highestPercent;
         percent += percentStep) {
        const QPointF foot = frame.at(0, percent);
        canvas.DrawLineBy(float(foot.x()), float(foot.y()), -float(digit.width()), 0);
        const QString label = QString::number(percent);
        printAt(canvas, foot - QPointF(digit.width() * (label.size() + 1.5), digit.height() / 2),
                label);
    }
}

}  // namespace

void drawStone(PainterCanvas &canvas, const QRectF &area, const stone::StoneView &view) {
    const double scale = std::min(area.width(), area.height()) / (2 * view.radius * stoneMargin);
    for (const stone::ShadedFace &face : view.faces) {
        QPolygonF outline;
        for (const stone::Vec3 &corner : face.outline)
            outline.append(area.center() + scale * QPointF(corner.x, -corner.y));
        canvas.fillPolygon(outline, shaded(face.shade), edgeColour);
    }
}

void drawLightMap(PainterCanvas &canvas, const QRectF &area, const stone::LightMap &map) {
    drawCells(canvas, area, map.columns, map.rows, map.cells,
              [](const stone::MapColour &c) { return mapPixel(c.red, c.green, c.blue); });
}

void drawColourView(PainterCanvas &canvas, const QRectF &area, const stone::ColourView &view) {
    drawCells(canvas, area, view.columns, view.rows, view.pixels,
              [](const stone::Rgb &c) { return mapPixel(c.red, c.green, c.blue); });
}

QColor curveColour(std::size_t cut) {
    static const QColor colours[] = {QColor(192, 64, 0), QColor(0, 70, 170), QColor(0, 120, 50),
                                     QColor(110, 40, 140)};
    return colours[cut % std::size(colours)];
}

void drawTiltCurves(PainterCanvas &canvas, const QRectF &area,
                    const std::vector<stone::CutLight> &cuts) {
    const QSizeF digit = canvas.textSize(QStringLiteral("0"));
    const double lineHeight = digit.height();
    const double legendHeight = lineHeight * ((cuts.size() + 1) / 2);
    const QRectF plot = area.adjusted(digit.width() * 5, lineHeight * 1.5, -digit.width() * 2,
                                      -lineHeight * 3.8 - legendHeight);
    const CurveFrame frame = curveFrame(plot, cuts);
    printAt(canvas, area.topLeft(), Text::tr("Brillo ISO (%)"));
    drawAxes(canvas, frame, digit);
    const QString tiltTitle = Text::tr("Inclinación (º)");
    printAt(canvas,
            QPointF(plot.right() - canvas.textSize(tiltTitle).width(),
                    plot.bottom() + lineHeight * 1.4),
            tiltTitle);
    const double legendWidth = area.width() / 2;
    // The brightest cut over the tilts, the one the comparison ranks first,
    // in a thicker line.
    const std::size_t best = stone::bestCut(cuts);
    const qreal lineWidth = canvas.lineWidth();
    for (std::size_t k = 0; k < cuts.size(); ++k) {
        canvas.setLineWidth(k == best ? std::max<qreal>(lineWidth, 1) * 2.5 : lineWidth);
        QPolygonF curve;
        for (const stone::TiltPoint &point : stone::tiltCurve(cuts[k]))
            curve.append(frame.at(point.tiltDeg, 100 * point.brightness));
        canvas.drawPolyline(curve, curveColour(k));
        const QPointF legend(area.left() + legendWidth * (k % 2),
                             plot.bottom() + lineHeight * (2.8 + k / 2));
        const QPointF sampleStart = legend + QPointF(digit.width(), lineHeight / 2);
        canvas.drawPolyline(QPolygonF{sampleStart, sampleStart + QPointF(digit.width() * 3, 0)},
                            curveColour(k));
        printAt(canvas, legend + QPointF(digit.width() * 5, 0), cuts[k].cut.name);
    }
    canvas.setLineWidth(lineWidth);
}

void drawSearchCurve(PainterCanvas &canvas, const QRectF &area,
                     const std::vector<stone::SearchStep> &steps) {
    if (steps.empty())
        return;
    const QSizeF digit = canvas.textSize(QStringLiteral("0"));
    const QRectF plot = area.adjusted(digit.width() * 5, digit.height() * 1.5, -digit.width() * 2,
                                      -digit.height() * 2.5);
    double lowest = 100, highest = 0;
    for (const stone::SearchStep &step : steps) {
        lowest = std::min(lowest, 100 * step.figure);
        highest = std::max(highest, 100 * step.best);
    }
    lowest = std::floor(lowest / percentStep) * percentStep;
    highest = std::max(lowest + percentStep, std::ceil(highest / percentStep) * percentStep);
    const double last = std::max(1, steps.back().evaluation);
    const auto at = [&](double evaluation, double share) {
        return QPointF(plot.left() + plot.width() * evaluation / last,
                       plot.bottom() - plot.height() * (100 * share - lowest) / (highest - lowest));
    };
    canvas.DrawLine(float(plot.left()), float(plot.top()), float(plot.left()),
                    float(plot.bottom()));
    canvas.ContinueLineBy(float(plot.width()), 0);
    for (double percent = lowest; percent <= highest; percent += percentStep)
        printAt(canvas, QPointF(area.left(), at(0, percent / 100).y() - digit.height() / 2),
                QString::number(percent));
    printAt(canvas, area.topLeft(), Text::tr("Brillo buscado (%)"));
    const QString axis = Text::tr("Tallas trazadas: %1").arg(steps.back().evaluation);
    printAt(
        canvas,
        QPointF(plot.right() - canvas.textSize(axis).width(), plot.bottom() + digit.height() * 0.6),
        axis);
    const QColor traced(150, 150, 150);
    QPolygonF best;
    for (const stone::SearchStep &step : steps) {
        const QPointF dot = at(step.evaluation, step.figure);
        canvas.drawPolyline(QPolygonF{dot, dot + QPointF(1, 0)}, traced);
        best.append(at(step.evaluation, step.best));
    }
    canvas.drawPolyline(best, curveColour(0));
}

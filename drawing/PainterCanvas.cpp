#include "drawing/PainterCanvas.h"

#include "drawing/CanvasFonts.h"
#include "drawing/ClippedShapes.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

namespace {

// One pixel spans 15 twips (1/1440 inch at 96 pixels per inch).
constexpr double twipsPerPixel = 15;
constexpr double pixelsPerInch = 96;

// The standard scheme's text colour, whatever the desktop's: a dark theme's
// light text would vanish on the light backgrounds.
const QColor ink = Qt::black;

// The colour of DrawArc, laid out as 0x00BBGGRR.
QColor colourFromBgr(quint32 colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

void PainterCanvas::setUnits(double twipsPerUnitX, double twipsPerUnitY) {
    m_pixelsPerUnitX = twipsPerUnitX / twipsPerPixel;
    m_pixelsPerUnitY = twipsPerUnitY / twipsPerPixel;
    m_twipsPerUnitY = twipsPerUnitY;
}

void PainterCanvas::setBackground(const QColor &colour) {
    m_background = colour;
}

void PainterCanvas::setTextFont(const QFont &font) {
    m_textFont = font;
}

void PainterCanvas::setLineWidth(qreal pixels) {
    m_lineWidth = pixels;
}

QPointF PainterCanvas::pen() const {
    return m_pen;
}

void PainterCanvas::Clear() {
    m_pen = QPointF(0, 0);
    paint([this](QPainter &painter) {
        const QRectF interior(QPointF(0, 0), interiorSize());
        painter.fillRect(interior, m_background);
        return std::optional<QRectF>(interior);
    });
}

void PainterCanvas::DrawLine(float x1, float y1, float x2, float y2) {
    m_pen = QPointF(x2, y2);
    drawSegment(QPointF(x1, y1), m_pen);
}

void PainterCanvas::DrawLineBy(float x1, float y1, float dx, float dy) {
    m_pen = QPointF(x1 + dx, y1 + dy);
    drawSegment(QPointF(x1, y1), m_pen);
}

void PainterCanvas::ContinueLineBy(float dx, float dy) {
    const QPointF from = m_pen;
    m_pen = QPointF(float(from.x()) + dx, float(from.y()) + dy);
    drawSegment(from, m_pen);
}

void PainterCanvas::DrawCircle(float cx, float cy, float r) {
    m_pen = QPointF(cx, cy);
    drawArcPixels(cx, cy, r, ink, 0, fullTurn);
}

void PainterCanvas::DrawArc(float cx, float cy, float r, quint32 colour, float start, float end) {
    m_pen = QPointF(cx, cy);
    drawArcPixels(cx, cy, r, colourFromBgr(colour), start, counterclockwiseSweep(start, end));
}

void PainterCanvas::SetPosition(float x, float y) {
    m_pen = QPointF(x, y);
}

QFont PainterCanvas::printFont() {
    return fontInUnits(m_textFont, pixelsPerInch, device());
}

QSizeF PainterCanvas::textSize(const QString &text) {
    const QFontMetricsF metrics(printFont(), device());
    return {metrics.horizontalAdvance(text) / m_pixelsPerUnitX,
            metrics.height() / m_pixelsPerUnitY};
}

float PainterCanvas::TextWidth(const QString &text) {
    return float(textSize(text).width());
}

void PainterCanvas::PrintLine(const QString &text) {
    const QPaintDevice *const target = device();
    const QFont font = printFont();
    const QFontMetrics metrics(font, target);
    const QPointF topLeft = toPixels(m_pen.x(), m_pen.y());
    drawInk([&](QPainter &painter) {
        const QRectF box(topLeft, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
        // Checked first so that the painter only sees positions near the
        // interior; a box with a coordinate that is not a number fails it.
        if (text.isEmpty() || !box.intersects(clipRect()))
            return std::optional<QRectF>();
        painter.setFont(font);
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
        return std::optional<QRectF>(box);
    });
    m_pen = QPointF(0, m_pen.y() + metrics.height() * twipsPerPixel / m_twipsPerUnitY);
}

QPointF PainterCanvas::toPixels(double x, double y) const {
    return {x * m_pixelsPerUnitX, y * m_pixelsPerUnitY};
}

QPolygonF PainterCanvas::toPixels(const QPolygonF &points) const {
    QPolygonF pixels;
    for (const QPointF &point : points)
        pixels.append(toPixels(point.x(), point.y()));
    return pixels;
}

void PainterCanvas::fillPolygon(const QPolygonF &outline, const QColor &fill, const QColor &edge) {
    const QPolygonF pixels = toPixels(outline);
    paint([&](QPainter &painter) {
        setLinePen(painter, edge);
        painter.setBrush(fill);
        painter.drawPolygon(pixels);
        return std::optional<QRectF>(pixels.boundingRect().adjusted(-1, -1, 1, 1));
    });
}

void PainterCanvas::drawPolyline(const QPolygonF &points, const QColor &colour) {
    const QPolygonF pixels = toPixels(points);
    paint([&](QPainter &painter) {
        setLinePen(painter, colour);
        painter.drawPolyline(pixels);
        return std::optional<QRectF>(pixels.boundingRect().adjusted(-1, -1, 1, 1));
    });
}

void PainterCanvas::drawImage(const QRectF &target, const QImage &image, Scaling scaling) {
    const QRectF pixels(toPixels(target.left(), target.top()),
                        toPixels(target.right(), target.bottom()));
    paint([&](QPainter &painter) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, scaling == Scaling::smooth);
        painter.drawImage(pixels, image);
        return std::optional<QRectF>(pixels);
    });
}

QRectF PainterCanvas::clipRect() const {
    // A pixel's margin around the interior, so that nothing at the edges is
    // lost; the device or the painter's clip cuts the rest.
    return QRectF(QPointF(0, 0), interiorSize()).adjusted(-1, -1, 1, 1);
}

void PainterCanvas::drawInk(const Drawing &draw) {
    paint([&draw](QPainter &painter) {
        painter.setPen(ink);
        return draw(painter);
    });
}

void PainterCanvas::setLinePen(QPainter &painter, const QColor &colour) const {
    if (m_lineWidth > 0) {
        painter.setPen(QPen(colour, m_lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        return;
    }
    // One pixel wide whatever the scale of the canvas units: as many device
    // pixels as the screen packs into one, shifted to cover that pixel.
    const qreal ratio = painter.device()->devicePixelRatio();
    const int width = qMax(1, qRound(ratio));
    QPen pen(colour, width);
    pen.setCosmetic(true);
    painter.setPen(pen);
    if (width > 1)
        painter.translate(width / 2.0 / ratio, width / 2.0 / ratio);
}

void PainterCanvas::drawSegment(const QPointF &from, const QPointF &to) {
    drawInk([&](QPainter &painter) {
        const std::optional<QLineF> visible =
            clipLine(toPixels(from.x(), from.y()), toPixels(to.x(), to.y()), clipRect());
        if (!visible)
            return std::optional<QRectF>();
        setLinePen(painter, ink);
        if (visible->p1() == visible->p2())
            painter.drawPoint(visible->p1());
        else
            painter.drawLine(*visible);
        return std::optional<QRectF>(QRectF(visible->p1(), visible->p2()).normalized());
    });
}

void PainterCanvas::drawArcPixels(float cx, float cy, float r, const QColor &colour, double start,
                                  double sweep) {
    drawInk([&](QPainter &painter) {
        // A true circle: the radius counts horizontal units in both directions.
        const QList<QPolygonF> pieces =
            clipArc(toPixels(cx, cy), r * m_pixelsPerUnitX, start, sweep, clipRect());
        if (pieces.isEmpty())
            return std::optional<QRectF>();
        setLinePen(painter, colour);
        QRectF touched;
        for (const QPolygonF &piece : pieces) {
            painter.drawPolyline(piece);
            touched |= piece.boundingRect();
        }
        return std::optional<QRectF>(touched);
    });
}

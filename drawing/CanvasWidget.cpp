#include "drawing/CanvasWidget.h"

#include "drawing/ClippedShapes.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace {

// One pixel spans 15 twips (1/1440 inch at 96 pixels per inch).
constexpr double twipsPerPixel = 15;

// The colour of DrawArc, laid out as 0x00BBGGRR.
QColor colourFromBgr(quint32 colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

CanvasWidget::CanvasWidget(QWidget *parent) : QFrame(parent) {
    // The classic sunken border, two pixels wide on every side.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
}

void CanvasWidget::setUnits(double twipsPerUnitX, double twipsPerUnitY) {
    m_pixelsPerUnitX = twipsPerUnitX / twipsPerPixel;
    m_pixelsPerUnitY = twipsPerUnitY / twipsPerPixel;
    m_twipsPerUnitY = twipsPerUnitY;
}

void CanvasWidget::setBackground(const QColor &colour) {
    // Like a new background on paper: what was drawn goes with the old one.
    m_background = colour;
    m_image = QImage();
    update();
}

void CanvasWidget::setTextFont(const QFont &font) {
    m_textFont = font;
}

QImage CanvasWidget::image() const {
    if (m_image.isNull() || m_image.devicePixelRatio() == 1)
        return m_image;
    QImage scaled =
        m_image.scaled(contentsRect().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(1);
    return scaled;
}

QPointF CanvasWidget::pen() const {
    return m_pen;
}

void CanvasWidget::Clear() {
    m_pen = QPointF(0, 0);
    ensureImage();
    m_image.fill(m_background);
    setAccessibleDescription(QString());
    repaint(contentsRect());
}

void CanvasWidget::DrawLine(float x1, float y1, float x2, float y2) {
    m_pen = QPointF(x2, y2);
    drawSegment(QPointF(x1, y1), m_pen);
}

void CanvasWidget::DrawLineBy(float x1, float y1, float dx, float dy) {
    m_pen = QPointF(x1 + dx, y1 + dy);
    drawSegment(QPointF(x1, y1), m_pen);
}

void CanvasWidget::ContinueLineBy(float dx, float dy) {
    const QPointF from = m_pen;
    m_pen = QPointF(float(from.x()) + dx, float(from.y()) + dy);
    drawSegment(from, m_pen);
}

void CanvasWidget::DrawCircle(float cx, float cy, float r) {
    m_pen = QPointF(cx, cy);
    drawArcPixels(cx, cy, r, foreground(), 0, fullTurn);
}

void CanvasWidget::DrawArc(float cx, float cy, float r, quint32 colour, float start, float end) {
    m_pen = QPointF(cx, cy);
    drawArcPixels(cx, cy, r, colourFromBgr(colour), start, counterclockwiseSweep(start, end));
}

void CanvasWidget::SetPosition(float x, float y) {
    m_pen = QPointF(x, y);
}

void CanvasWidget::PrintLine(const QString &text) {
    ensureImage();
    const QFont font = textFont();
    const QFontMetrics metrics =
        m_image.isNull() ? QFontMetrics(font) : QFontMetrics(font, &m_image);
    const QPointF topLeft = toPixels(m_pen.x(), m_pen.y());
    drawAndShow([&](QPainter &painter) {
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

void CanvasWidget::paintEvent(QPaintEvent *event) {
    QFrame::paintEvent(event);
    ensureImage();
    const QRect target = event->rect() & contentsRect();
    if (m_image.isNull() || target.isEmpty())
        return;
    const qreal ratio = m_image.devicePixelRatio();
    const QRectF source(QPointF(target.topLeft() - contentsRect().topLeft()) * ratio,
                        QSizeF(target.size()) * ratio);
    QPainter painter(this);
    painter.drawImage(QRectF(target), m_image, source);
}

void CanvasWidget::resizeEvent(QResizeEvent *event) {
    QFrame::resizeEvent(event);
    ensureImage();
}

QFont CanvasWidget::textFont() const {
    return m_textFont.value_or(font());
}

QColor CanvasWidget::foreground() const {
    // The standard scheme's text colour, whatever the desktop's: a dark
    // theme's light text would vanish on the light backgrounds.
    return Qt::black;
}

QPointF CanvasWidget::toPixels(double x, double y) const {
    return {x * m_pixelsPerUnitX, y * m_pixelsPerUnitY};
}

QRectF CanvasWidget::clipRect() const {
    // A pixel's margin around the interior, so that nothing at the edges is
    // lost; the image clips the rest.
    return QRectF(QPointF(0, 0), QSizeF(contentsRect().size())).adjusted(-1, -1, 1, 1);
}

void CanvasWidget::ensureImage() {
    const qreal ratio = devicePixelRatio();
    const QSize pixels = contentsRect().size() * ratio;
    if (m_image.size() == pixels && m_image.devicePixelRatio() == ratio)
        return;
    // Drawn at device resolution, so that lines and text stay crisp on
    // high-density screens; what was drawn keeps its place.
    QImage fresh(pixels, QImage::Format_RGB32);
    if (!fresh.isNull()) {
        fresh.setDevicePixelRatio(ratio);
        fresh.fill(m_background);
        if (!m_image.isNull())
            QPainter(&fresh).drawImage(QPointF(0, 0), m_image);
    }
    m_image = fresh;
}

void CanvasWidget::drawAndShow(const Drawing &draw) {
    ensureImage();
    if (m_image.isNull())
        return;
    std::optional<QRectF> touched;
    {
        QPainter painter(&m_image);
        painter.setPen(foreground());
        touched = draw(painter);
    }
    if (!touched)
        return;
    // Shown at once: the compute command does not return to the event loop
    // between two primitives.
    // Cut to the canvas before rounding: a box far outside it, or with a
    // coordinate that is not a number, would give integer bounds that
    // overflow when widened. Such a box leaves no valid part.
    const QRectF canvasArea(QPointF(0, 0), QSizeF(contentsRect().size()));
    const QRectF dirty = touched->adjusted(-1, -1, 1, 1) & canvasArea;
    if (dirty.isValid())
        repaint(dirty.toAlignedRect().translated(contentsRect().topLeft()));
}

void CanvasWidget::setLinePen(QPainter &painter, const QColor &colour) const {
    // One pixel wide whatever the scale of the canvas units: as many device
    // pixels as the screen packs into one, shifted to cover that pixel.
    const qreal ratio = m_image.devicePixelRatio();
    const int width = qMax(1, qRound(ratio));
    QPen pen(colour, width);
    pen.setCosmetic(true);
    painter.setPen(pen);
    if (width > 1)
        painter.translate(width / 2.0 / ratio, width / 2.0 / ratio);
}

void CanvasWidget::drawSegment(const QPointF &from, const QPointF &to) {
    drawAndShow([&](QPainter &painter) {
        const std::optional<QLineF> visible =
            clipLine(toPixels(from.x(), from.y()), toPixels(to.x(), to.y()), clipRect());
        if (!visible)
            return std::optional<QRectF>();
        setLinePen(painter, foreground());
        if (visible->p1() == visible->p2())
            painter.drawPoint(visible->p1());
        else
            painter.drawLine(*visible);
        return std::optional<QRectF>(QRectF(visible->p1(), visible->p2()).normalized());
    });
}

void CanvasWidget::drawArcPixels(float cx, float cy, float r, const QColor &colour, double start,
                                 double sweep) {
    drawAndShow([&](QPainter &painter) {
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

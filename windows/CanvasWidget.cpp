#include "windows/CanvasWidget.h"

#include <QPaintEvent>
#include <QPainter>

CanvasWidget::CanvasWidget(QWidget *parent) : QFrame(parent) {
    // The classic sunken border, two pixels wide on every side.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
}

QImage CanvasWidget::image() const {
    if (m_image.isNull() || m_image.devicePixelRatio() == 1)
        return m_image;
    QImage scaled =
        m_image.scaled(contentsRect().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(1);
    return scaled;
}

void CanvasWidget::Clear() {
    PainterCanvas::Clear();
    setAccessibleDescription(QString());
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

QSizeF CanvasWidget::interiorSize() const {
    return contentsRect().size();
}

QPaintDevice *CanvasWidget::device() {
    ensureImage();
    return m_image.isNull() ? nullptr : &m_image;
}

void CanvasWidget::paint(const Drawing &draw) {
    ensureImage();
    if (m_image.isNull())
        return;
    std::optional<QRectF> touched;
    {
        QPainter painter(&m_image);
        touched = draw(painter);
    }
    if (!touched)
        return;
    // Shown at once: the compute command does not return to the event loop
    // between two primitives.
    // Cut to the canvas before rounding: a box far outside it, or with a
    // coordinate that is not a number, would give integer bounds that
    // overflow when widened. Such a box leaves no valid part.
    const QRectF canvasArea(QPointF(0, 0), interiorSize());
    const QRectF dirty = touched->adjusted(-1, -1, 1, 1) & canvasArea;
    if (dirty.isValid())
        repaint(dirty.toAlignedRect().translated(contentsRect().topLeft()));
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
        fresh.fill(background());
        if (!m_image.isNull())
            QPainter(&fresh).drawImage(QPointF(0, 0), m_image);
    }
    m_image = fresh;
}

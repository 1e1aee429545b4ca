#include "drawing/DeviceCanvas.h"

#include <QPainter>

DeviceCanvas::DeviceCanvas(QPainter &painter, const QSizeF &interior, const QRectF &area)
    : m_painter(painter), m_interior(interior), m_area(area) {}

QSizeF DeviceCanvas::interiorSize() const {
    return m_interior;
}

QPaintDevice *DeviceCanvas::device() {
    return m_painter.device();
}

void DeviceCanvas::paint(const Drawing &draw) {
    m_painter.save();
    m_painter.translate(m_area.topLeft());
    m_painter.scale(m_area.width() / m_interior.width(), m_area.height() / m_interior.height());
    m_painter.setClipRect(QRectF(QPointF(0, 0), m_interior), Qt::IntersectClip);
    draw(m_painter);
    m_painter.restore();
}

#pragma once

#include "drawing/PainterCanvas.h"

#include <QRectF>

// A drawing area painted with a painter the caller holds open on any paint
// device: a page, a vector file, an image. The interior, interior pixels in
// size, fills area of the painter's coordinates and is clipped to it.
class DeviceCanvas final : public PainterCanvas {
public:
    DeviceCanvas(QPainter &painter, const QSizeF &interior, const QRectF &area);

protected:
    QSizeF interiorSize() const override;
    QPaintDevice *device() override;
    void paint(const Drawing &draw) override;

private:
    QPainter &m_painter;
    QSizeF m_interior;
    QRectF m_area;
};

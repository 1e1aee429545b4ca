#include "windows/PictureView.h"

#include "drawing/CanvasFonts.h"
#include "drawing/DeviceCanvas.h"

#include <QPainter>

namespace {

// Picture2's light peach, with room around the picture.
const QColor panel(255, 224, 192);
constexpr int border = 6;

}  // namespace

PictureView::PictureView(QWidget *parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PictureView::setPicture(Picture picture) {
    m_picture = std::move(picture);
    update();
}

void PictureView::paintEvent(QPaintEvent * /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), panel);
    if (!m_picture)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    DeviceCanvas canvas(painter, size(), rect());
    canvas.setTextFont(arialFont(8));
    m_picture(canvas, QRectF(rect()).adjusted(border, border, -border, -border));
    // Disabled, the picture is of something no longer shown: greyed.
    if (!isEnabled())
        painter.fillRect(rect(), QColor(panel.red(), panel.green(), panel.blue(), 160));
}

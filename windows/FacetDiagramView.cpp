#include "windows/FacetDiagramView.h"

#include "drawing/CanvasFonts.h"
#include "drawing/DeviceCanvas.h"
#include "drawing/FacetDiagram.h"

#include <QPainter>

namespace {

// Picture2's light peach, with room around the two views and between them.
const QColor panel(255, 224, 192);
constexpr int border = 10;
constexpr int gap = 30;

}  // namespace

FacetDiagramView::FacetDiagramView(QWidget *parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void FacetDiagramView::showStone(const stone::Brilliant &stone) {
    m_stone = stone;
    update();
}

void FacetDiagramView::paintEvent(QPaintEvent * /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), panel);
    if (!m_stone)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    DeviceCanvas canvas(painter, size(), rect());
    canvas.setTextFont(arialFont(8));
    const QRectF area = QRectF(rect()).adjusted(border, border, -border, -border);
    drawFacetDiagram(canvas, *m_stone, facetDiagramSideBySide(area, gap, canvas));
}

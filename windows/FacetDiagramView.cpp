#include "windows/FacetDiagramView.h"

#include "drawing/FacetDiagram.h"
#include "drawing/PainterCanvas.h"

namespace {

// Room around the two views, beyond the panel's border, and between them.
constexpr int border = 4;
constexpr int gap = 30;

}  // namespace

void FacetDiagramView::showStone(const stone::Brilliant &stone) {
    setPicture([stone](PainterCanvas &canvas, const QRectF &area) {
        const QRectF inside = area.adjusted(border, border, -border, -border);
        drawFacetDiagram(canvas, stone, facetDiagramSideBySide(inside, gap, canvas));
    });
}

void FacetDiagramView::clear() {
    setPicture({});
}

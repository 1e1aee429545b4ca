#include "drawing/FacetDiagram.h"

#include "drawing/Canvas.h"
#include "drawing/PainterCanvas.h"
#include "stone/Brilliant.h"
#include "stone/Tiers.h"

#include <QPolygonF>
#include <QRectF>
#include <algorithm>

namespace {

using stone::Tier;

using stone::StonePart;

bool isCrown(Tier tier) {
    return stone::tierRow(tier).part == StonePart::Crown;
}

// The part a view shows.
StonePart partOf(FacetView view) {
    return view == FacetView::Crown ? StonePart::Crown : StonePart::Pavilion;
}

// The facet's outline in the canvas: seen from above, the stone's +y points
// up the canvas; seen from below, the stone is turned over about its y axis.
QPolygonF projected(const stone::Facet &facet, const FacetDiagramLayout &layout) {
    const bool crown = isCrown(facet.tier);
    const QPointF centre = crown ? layout.crownCentre : layout.pavilionCentre;
    const double scale = 2 * layout.girdleRadius;  // the stone's lengths are in D
    QPolygonF outline;
    for (const stone::Vec3 &v : facet.vertices)
        outline.append(centre + scale * QPointF(crown ? v.x : -v.x, -v.y));
    return outline;
}

// The centroid of the area a closed outline encloses; its first corner for
// an outline without area.
QPointF centroid(const QPolygonF &outline) {
    double twiceArea = 0;
    QPointF weighted;
    for (qsizetype k = 0; k < outline.size(); ++k) {
        const QPointF &p = outline[k];
        const QPointF &q = outline[(k + 1) % outline.size()];
        const double cross = p.x() * q.y() - q.x() * p.y();
        twiceArea += cross;
        weighted += cross * (p + q);
    }
    return twiceArea == 0 ? outline.value(0) : weighted / (3 * twiceArea);
}

void drawOutline(Canvas &canvas, const QPolygonF &outline) {
    if (outline.size() < 2)
        return;
    canvas.DrawLine(float(outline[0].x()), float(outline[0].y()), float(outline[1].x()),
                    float(outline[1].y()));
    for (qsizetype k = 2; k <= outline.size(); ++k) {
        const QPointF step = outline[k % outline.size()] - outline[k - 1];
        canvas.ContinueLineBy(float(step.x()), float(step.y()));
    }
}

void printCentred(Canvas &canvas, const QString &text, const QPointF &centre, const QSizeF &cell) {
    const QPointF topLeft = centre - QPointF(text.size() * cell.width(), cell.height()) / 2;
    canvas.SetPosition(float(topLeft.x()), float(topLeft.y()));
    canvas.PrintLine(text);
}

void drawTier(Canvas &canvas, const stone::Brilliant &stone, Tier tier,
              const FacetDiagramLayout &layout) {
    const QString code = stone::tierCode(tier);
    for (const stone::Facet &facet : stone.facets) {
        if (facet.tier != tier)
            continue;
        const QPolygonF outline = projected(facet, layout);
        drawOutline(canvas, outline);
        printCentred(canvas, code, centroid(outline), layout.characterCell);
    }
}

}  // namespace

FacetDiagramLayout facetDiagramSideBySide(const QRectF &area, double gap, PainterCanvas &canvas) {
    const double radius = std::min((area.width() - gap) / 4, area.height() / 2);
    const QPointF offset(gap / 2 + radius, 0);
    const QSizeF typicalCode = canvas.textSize(QStringLiteral("C1"));
    const QSizeF cell(typicalCode.width() / 2, typicalCode.height());
    return {area.center() - offset, area.center() + offset, radius, cell};
}

void drawFacetDiagram(Canvas &canvas, const stone::Brilliant &stone,
                      const FacetDiagramLayout &layout) {
    for (const FacetView view : {FacetView::Crown, FacetView::Pavilion}) {
        for (const stone::TierRow &row : stone::tierTable) {
            if (row.part == partOf(view))
                drawTier(canvas, stone, row.tier, layout);
        }
    }
}

QStringList facetLegend(FacetView view) {
    QStringList legend;
    for (const stone::TierRow &row : stone::tierTable) {
        if (row.part == partOf(view))
            legend.append(stone::tierCode(row.tier) + QStringLiteral("  ") +
                          stone::tierName(row.tier));
    }
    return legend;
}

#pragma once

#include <QPointF>
#include <QSizeF>
#include <QStringList>

class Canvas;
class PainterCanvas;
class QRectF;
namespace stone {
struct Brilliant;
}

// The faceting diagram of a round brilliant, as cutters print it: the crown
// seen from above and the pavilion seen from below, every facet outlined and
// marked with its tier's code, the code the cutting recipe gives its row.
// Azimuth 0 points right in both views; seen from below, the stone's turn
// runs clockwise.

// Where the two views lie, in the canvas's units.
struct FacetDiagramLayout {
    QPointF crownCentre;
    QPointF pavilionCentre;
    double girdleRadius = 0;  // the girdle's radius in either view
    // The size of one character of the canvas's text, to centre the codes on
    // their facets.
    QSizeF characterCell;
};

// The two views side by side in area, crown on the left, each as large as
// half its width and its height allow, with gap between them; canvas tells
// the size of its characters.
FacetDiagramLayout facetDiagramSideBySide(const QRectF &area, double gap, PainterCanvas &canvas);

// Outlines every facet, crown facets first, each as a closed chain of lines
// that starts with one DrawLine, then prints its code on its centre.
void drawFacetDiagram(Canvas &canvas, const stone::Brilliant &stone,
                      const FacetDiagramLayout &layout);

enum class FacetView { Crown, Pavilion };

// What the codes of a view mean, one line per tier in cutting order, as the
// recipe lists them: "C1  Principales de la corona", ..., "T  Mesa".
QStringList facetLegend(FacetView view);

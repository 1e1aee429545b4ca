#pragma once

#include "stone/StoneDesign.h"
#include "stone/VerificationFigures.h"

#include <QDate>
#include <optional>

class QImage;
class QPagedPaintDevice;
class QPainter;
class QRectF;

// What a cut sheet shows: the stone designed, with the computed cut for its
// width D (in mm), IR and épsilon, and the round brilliant of its second page
// as chosen; the day it is printed; and the design's verification in 3-D
// once it has been traced.
struct CutSheetContent {
    stone::StoneDesign design;
    QDate date;
    std::optional<stone::VerificationFigures> verification;
};

// The cut sheet, two pages in A4 portrait under the title CORVELUX and the
// date. The first shows the dimensioned profile of Picture1 with the eight
// results, the rays of Picture2 and the three values the cut was computed
// for: both drawing areas are replayed from the computation in vectors
// through the window's own drawing sequence, black on white paper. The
// second shows the round brilliant cut to those angles: its facet diagram,
// its cutting recipe and its measures and weight. A third, when there is a
// verification, shows it.
int cutSheetPages(const CutSheetContent &content);

// Paints page (0 for the first) into paper, a rectangle of the painter's
// coordinates, scaled to fit and centred.
void paintCutSheetPage(QPainter &painter, const QRectF &paper, const CutSheetContent &content,
                       int page);

// Paints every page into paper, one above the other, as one tall drawing.
void paintCutSheetPages(QPainter &painter, const QRectF &paper, const CutSheetContent &content);

// The pages of the sheet to paint: all of them, or the recipe's alone.
enum class SheetPages { all, recipe };

// Paints the sheet on device, a page of it on each whole page of the
// device, whatever its paper size, from the paper's edges. False when the
// device cannot be painted on.
bool paintCutSheet(QPagedPaintDevice &device, const CutSheetContent &content,
                   SheetPages pages = SheetPages::all);

// The sheet as an image of its white A4 pages one above the other at the
// given resolution, which the image records: greyscale, or in colour for the
// light map of a verification.
QImage cutSheetImage(const CutSheetContent &content, int dotsPerInch);

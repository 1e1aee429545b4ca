#pragma once

#include "calc/CutResult.h"

#include <QDate>

class QImage;
class QPagedPaintDevice;
class QPainter;
class QRectF;

// What a cut sheet shows: one computed cut for a stone of width D (in mm),
// with the IR and épsilon it was computed for, and the day it is printed.
struct CutSheetContent {
    double D = 0;
    CutResult cut;
    QDate date;
};

// The cut sheet, a page in A4 portrait: the title CORVELUX and the date, the
// dimensioned profile of Picture1 with the eight results, the rays of
// Picture2 and the three values the cut was computed for. Both drawing areas
// are replayed from the computation in vectors through the window's own
// drawing sequence, black on white paper.

// Paints the sheet into paper, a rectangle of the painter's coordinates,
// scaled to fit and centred.
void paintCutSheet(QPainter &painter, const QRectF &paper, const CutSheetContent &content);

// Paints the sheet on one whole page of device, whatever its paper size,
// from the paper's edges. False when the device cannot be painted on.
bool paintCutSheet(QPagedPaintDevice &device, const CutSheetContent &content);

// The sheet as a greyscale image of a white A4 page at the given
// resolution, which the image records.
QImage cutSheetImage(const CutSheetContent &content, int dotsPerInch);

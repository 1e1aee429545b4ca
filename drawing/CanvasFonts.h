#pragma once

#include <QFont>

class QPaintDevice;

// The fonts of the drawing areas, with deliberate substitutes where the
// machine lacks the faces the layout names, so that text keeps its size and
// shape instead of falling back to whatever face the system offers.

// Arial, or Liberation Sans, which has Arial's metrics letter for letter.
QFont arialFont(qreal pointSize);

// MS Sans Serif. Its outline successor, Microsoft Sans Serif, has Arial-like
// widths and heights, so where neither is installed Liberation Sans stands in
// for it as well: at 8.25 points its lines are 12 pixels high against the
// bitmap face's 13, and the warning and letters keep their places.
QFont msSansSerifFont(qreal pointSize);

// font as a painter on device must be given it so that its point size counts
// in painter units of 1/unitsPerInch inch, as it does on a screen of that
// resolution, and a painter that scales those units scales the text with the
// lines. Qt would size it by the device's own resolution instead: a 1200 dpi
// page would get letters 12.5 times the size of a 96 dpi screen's. Unchanged
// where the device has that resolution, or is nullptr.
QFont fontInUnits(const QFont &font, qreal unitsPerInch, const QPaintDevice *device);

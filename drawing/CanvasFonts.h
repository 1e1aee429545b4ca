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

// The font to set on a painter of device so that font's point size counts in
// painter units of 1/unitsPerInch inch, as on a screen of that resolution; a
// painter that scales its units then scales the text with the lines. Qt sizes
// text by the device's own resolution instead: on a 1200 dpi page, letters
// would be 12.5 times their size on a 96 dpi screen. font itself where the
// device has that resolution, or is nullptr.
QFont fontInUnits(const QFont &font, qreal unitsPerInch, const QPaintDevice *device);

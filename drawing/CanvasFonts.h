#pragma once

#include <QFont>

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

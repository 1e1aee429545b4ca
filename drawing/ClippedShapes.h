#pragma once

#include "calc/Constants.h"

#include <QLineF>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <optional>

// Geometry that keeps the canvas's raster work bounded: whatever the
// coordinates (huge, infinite, not a number), only the part of a shape that
// can show inside the clip rectangle reaches the painter.

inline constexpr double fullTurn = 2 * pi;

// Radii beyond this many pixels are not drawn: a circle that large, given in
// single precision, cannot be placed to the pixel, and its visible part would
// be indistinguishable from a straight line anyway.
inline constexpr double maxArcRadiusPixels = 1e7;

// The part of the segment p1-p2 inside clip; nothing when no part lies inside
// or an end is not a finite point.
std::optional<QLineF> clipLine(const QPointF &p1, const QPointF &p2, const QRectF &clip);

// How far an arc runs counterclockwise from start to end (radians): through
// angle 0 when start > end, never more than a full turn.
double counterclockwiseSweep(double start, double end);

// The visible parts of a circle arc, as polylines in the plane of the clip
// rectangle (y downwards, so angles grow towards -y). The arc starts at angle
// start and runs counterclockwise over sweep radians; consecutive points lie
// at most about one unit apart along the arc.
QList<QPolygonF> clipArc(const QPointF &centre, double radius, double start, double sweep,
                         const QRectF &clip);

#include "drawing/ClippedShapes.h"

#include <algorithm>
#include <cmath>

namespace {

// An upper bound on the points of one polyline, far above what any arc inside
// a drawing area needs; it only guards against rounding surprises.
constexpr int maxArcPoints = 100000;

bool isFinite(const QPointF &point) {
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

QPointF pointOnCircle(const QPointF &centre, double radius, double angle) {
    return {centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle)};
}

// Angles, measured from start and within (0, sweep), at which the circle
// crosses one of the four lines that carry the edges of clip.
QList<double> edgeCrossings(const QPointF &centre, double radius, double start, double sweep,
                            const QRectF &clip) {
    QList<double> crossings;
    const auto add = [&](double angle) {
        double offset = std::fmod(angle - start, fullTurn);
        if (offset < 0)
            offset += fullTurn;
        if (offset > 0 && offset < sweep)
            crossings.append(offset);
    };
    for (const double x : {clip.left(), clip.right()}) {
        const double cosine = (x - centre.x()) / radius;
        if (std::abs(cosine) <= 1) {
            add(std::acos(cosine));
            add(-std::acos(cosine));
        }
    }
    for (const double y : {clip.top(), clip.bottom()}) {
        const double sine = (centre.y() - y) / radius;
        if (std::abs(sine) <= 1) {
            add(std::asin(sine));
            add(pi - std::asin(sine));
        }
    }
    return crossings;
}

QPolygonF arcPolyline(const QPointF &centre, double radius, double from, double to) {
    const double steps = std::ceil((to - from) * radius);
    const int count = int(std::clamp(steps, 1.0, double(maxArcPoints)));
    QPolygonF polyline;
    polyline.reserve(count + 1);
    for (int k = 0; k <= count; ++k)
        polyline.append(pointOnCircle(centre, radius, from + (to - from) * k / count));
    return polyline;
}

}  // namespace

std::optional<QLineF> clipLine(const QPointF &p1, const QPointF &p2, const QRectF &clip) {
    if (!isFinite(p1) || !isFinite(p2))
        return std::nullopt;
    // Cohen-Sutherland: move an outside end onto the edge it lies beyond
    // until both ends are inside or both beyond one edge. The coordinate of
    // the edge is taken exactly, so a level or upright line keeps its pixel
    // row or column however far its ends lie; the other coordinate is found
    // by interpolation.
    QPointF ends[2] = {p1, p2};
    const auto outcode = [&clip](const QPointF &p) {
        return (p.x() < clip.left() ? 1 : 0) | (p.x() > clip.right() ? 2 : 0) |
               (p.y() < clip.top() ? 4 : 0) | (p.y() > clip.bottom() ? 8 : 0);
    };
    // Each pass settles one edge for one end; rounding may need a pass more.
    for (int pass = 0; pass < 12; ++pass) {
        const int codes[2] = {outcode(ends[0]), outcode(ends[1])};
        if ((codes[0] | codes[1]) == 0)
            return QLineF(ends[0], ends[1]);
        if ((codes[0] & codes[1]) != 0)
            return std::nullopt;
        const int outside = codes[0] != 0 ? 0 : 1;
        const QPointF from = ends[outside];
        const QPointF to = ends[1 - outside];
        const int code = codes[outside];
        QPointF &moved = ends[outside];
        if (code & 3) {
            const double x = (code & 1) ? clip.left() : clip.right();
            moved =
                QPointF(x, from.y() + (to.y() - from.y()) * ((x - from.x()) / (to.x() - from.x())));
        } else {
            const double y = (code & 4) ? clip.top() : clip.bottom();
            moved =
                QPointF(from.x() + (to.x() - from.x()) * ((y - from.y()) / (to.y() - from.y())), y);
        }
    }
    return std::nullopt;
}

double counterclockwiseSweep(double start, double end) {
    double sweep = end - start;
    if (sweep < 0)
        sweep += fullTurn;
    return std::clamp(sweep, 0.0, fullTurn);
}

QList<QPolygonF> clipArc(const QPointF &centre, double radius, double start, double sweep,
                         const QRectF &clip) {
    if (!isFinite(centre) || !std::isfinite(radius) || !std::isfinite(start) ||
        !std::isfinite(sweep) || radius <= 0 || radius > maxArcRadiusPixels || sweep <= 0)
        return {};
    // Cut the arc where it crosses the edges; each piece lies wholly inside
    // or wholly outside, which its middle point tells.
    QList<double> cuts = edgeCrossings(centre, radius, start, sweep, clip);
    cuts.append(0);
    cuts.append(sweep);
    std::sort(cuts.begin(), cuts.end());
    QList<QPolygonF> visible;
    for (qsizetype k = 1; k < cuts.size(); ++k) {
        const double from = start + cuts[k - 1];
        const double to = start + cuts[k];
        if (to > from && clip.contains(pointOnCircle(centre, radius, (from + to) / 2)))
            visible.append(arcPolyline(centre, radius, from, to));
    }
    return visible;
}

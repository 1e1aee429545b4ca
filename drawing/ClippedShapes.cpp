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
    // Liang-Barsky: narrow the parameter range [t0, t1] of p1 + t * (p2 - p1)
    // edge by edge.
    const QPointF delta = p2 - p1;
    double t0 = 0;
    double t1 = 1;
    const auto keepInside = [&](double p, double q) {  // keeps p * t <= q
        if (p == 0)
            return q >= 0;
        const double t = q / p;
        if (p < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    if (!keepInside(-delta.x(), p1.x() - clip.left()) ||
        !keepInside(delta.x(), clip.right() - p1.x()) ||
        !keepInside(-delta.y(), p1.y() - clip.top()) ||
        !keepInside(delta.y(), clip.bottom() - p1.y()))
        return std::nullopt;
    return QLineF(p1 + t0 * delta, p1 + t1 * delta);
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

#include "stone/CameraGrid.h"

#include "calc/Constants.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace stone {

namespace {

double radians(double degrees) {
    return degrees * pi / 180;
}

// A fixed pseudo-random number in [0, 1) for each cell of a grid.
double cellNoise(int column, int row, int salt) {
    quint64 bits = (quint64(quint32(row)) << 32 | quint32(column)) * 4 + quint64(salt);
    bits += 0x9E3779B97F4A7C15ULL;  // the mixing steps of SplitMix64
    bits = (bits ^ (bits >> 30)) * 0xBF58476D1CE4E5B9ULL;
    bits = (bits ^ (bits >> 27)) * 0x94D049BB133111EBULL;
    bits ^= bits >> 31;
    return (bits >> 11) * 0x1.0p-53;
}

// Half the width, along the horizontal or tilted unit vector axis, of the
// upright cylinder that holds the stone.
double halfExtent(double radius, double halfHeight, const Vec3 &axis) {
    return radius * std::hypot(axis.x, axis.y) + halfHeight * std::abs(axis.z);
}

}  // namespace

CameraGrid::CameraGrid(const ConvexBody &body, const Tilt &tilt, int raysAcross, double eyeDistance)
    : m_atInfinity(eyeDistance <= 0) {
    const double azimuth = radians(tilt.azimuthDeg);
    const double angle = radians(tilt.degrees);
    m_across = {std::cos(azimuth), std::sin(azimuth), 0};
    m_zenith = Vec3{0, 0, std::cos(angle)} - std::sin(angle) * cross(m_across, {0, 0, 1});
    m_along = cross(m_zenith, m_across);
    const Vec3 centre{0, 0, (body.zLow() + body.zHigh()) / 2};
    const double halfHeight = (body.zHigh() - body.zLow()) / 2;
    // Seen from a point, the stone's silhouette on the plane through its
    // centre is wider than seen from infinity, by at most this much for the
    // sphere that holds it.
    const double bound = std::hypot(body.radius(), halfHeight);
    const double widening =
        m_atInfinity
            ? 1
            : eyeDistance /
                  std::sqrt(std::max(eyeDistance * eyeDistance - bound * bound, bound * bound));
    m_columns = std::max(1, raysAcross);
    m_spacing = 2 * widening * halfExtent(body.radius(), halfHeight, m_across) / m_columns;
    m_rows = std::max(
        1, static_cast<int>(std::ceil(2 * widening *
                                      halfExtent(body.radius(), halfHeight, m_along) / m_spacing)));
    // Parallel rays start on a plane above the stone; fanning ones cross the
    // plane through its centre.
    const Vec3 plane = m_atInfinity ? centre + (body.radius() + 2 * halfHeight) * m_zenith : centre;
    m_corner = plane - (m_columns * m_spacing / 2) * m_across - (m_rows * m_spacing / 2) * m_along;
    m_eye = centre + eyeDistance * m_zenith;
}

CameraRay CameraGrid::ray(int column, int row) const {
    const Vec3 through = m_corner + ((column + cellNoise(column, row, 0)) * m_spacing) * m_across +
                         ((row + cellNoise(column, row, 1)) * m_spacing) * m_along;
    if (m_atInfinity)
        return {through, -m_zenith};
    return {m_eye, normalized(through - m_eye)};
}

}  // namespace stone

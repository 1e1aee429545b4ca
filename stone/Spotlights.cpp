#include "stone/Spotlights.h"

#include "calc/Constants.h"

#include <algorithm>
#include <cmath>

namespace stone {

namespace {

double radians(double degrees) {
    return degrees * pi / 180;
}

}  // namespace

Spotlights::Spotlights(const Vec3 &zenith, const Vec3 &across, const Vec3 &along,
                       double headHalfAngleDeg)
    : m_zenith(zenith),
      m_headCos(std::cos(radians(headHalfAngleDeg))),
      m_lampCos(std::cos(radians(lampDiameterDeg / 2))) {
    std::size_t lamp = 0;
    for (std::size_t ring = 0; ring < lampRingElevationsDeg.size(); ++ring) {
        const double elevation = radians(lampRingElevationsDeg[ring]);
        const double turn = ring % 2 == 1 ? 22.5 : 0;
        for (int k = 0; k < lampsPerRing; ++k) {
            const double azimuth = radians(turn + k * 360.0 / lampsPerRing);
            m_lamps[lamp++] =
                std::cos(elevation) * (std::cos(azimuth) * across + std::sin(azimuth) * along) +
                std::sin(elevation) * zenith;
        }
    }
}

double Spotlights::radiance(const Vec3 &direction, const Vec3 &toEye) const {
    if (dot(direction, m_zenith) <= 0 || dot(direction, toEye) >= m_headCos)
        return 0;
    const bool onLamp = std::any_of(m_lamps.begin(), m_lamps.end(), [&](const Vec3 &lamp) {
        return dot(direction, lamp) >= m_lampCos;
    });
    return onLamp ? lampRadiance : domeRadiance;
}

}  // namespace stone

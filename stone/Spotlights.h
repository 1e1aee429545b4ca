#pragma once

#include "stone/Vec3.h"

#include <array>

// The lighting "Focos", for fire: a dark dome of radiance 0.1, the uniform
// sky's being 1, and 24 small lamps, each 2º across and of radiance 50,
// eight in each of three rings at 30º, 50º and 70º above the viewer's
// horizon, as over a jeweller's counter; the middle ring turned 22.5º from
// the others, so that no lamp stands behind another. The lamps and the dome
// stay with the viewer when the stone tilts, and the viewer's head still
// hides its cone about each line of sight. The light is D65 daylight.
namespace stone {

inline constexpr double domeRadiance = 0.1;
inline constexpr double lampRadiance = 50;
inline constexpr double lampDiameterDeg = 2;
inline constexpr std::array<double, 3> lampRingElevationsDeg{30, 50, 70};
inline constexpr int lampsPerRing = 8;

class Spotlights {
public:
    // The viewer's frame: zenith up, across its azimuth 0, along 90º.
    Spotlights(const Vec3 &zenith, const Vec3 &across, const Vec3 &along, double headHalfAngleDeg);

    // The radiance seen in direction along a camera ray whose line of sight
    // back to the eye is toEye: none below the horizon or behind the head.
    double radiance(const Vec3 &direction, const Vec3 &toEye) const;

private:
    Vec3 m_zenith;
    double m_headCos;
    double m_lampCos;
    std::array<Vec3, lampRingElevationsDeg.size() * lampsPerRing> m_lamps;
};

}  // namespace stone

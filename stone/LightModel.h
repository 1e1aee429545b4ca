#pragma once

#include <array>

namespace stone {

// The viewer looks straight down at the stone's centre, from a distance or
// from infinitely far above. The stone lies table up, or is tilted by
// degrees about a horizontal axis through its centre at azimuthDeg (0: a
// main's, 22.5: a star's). The sky, the horizon and the viewer's head stay
// with the viewer.
struct Tilt {
    double degrees = 0;
    double azimuthDeg = 0;
};

// What one traced view needs besides the stone.
struct ViewSettings {
    double refractiveIndex = 1.5;
    double headHalfAngleDeg = 15;  // the viewer's head hides this cone about the zenith
    int raysAcross = 160;          // grid rays across the silhouette, along the tilt axis
    double eyeDistance = 0;        // of the eye from the stone's centre, in D; 0: at infinity
    double dispersion = 0;         // the B–G value; refractiveIndex is at 589.3 nm
};

// Light bands by elevation above the horizon, as angular-spectrum viewers
// colour them.
enum LightBand { lowBand, middleBand, highBand };  // 0–45º, 45–75º, 75–90º
inline constexpr std::array<double, 3> bandFloorsDeg{0, 45, 75};

// Where the light of camera rays goes, as fractions of the light entering
// them. externalReflection, leakage, bands and remainder share all of it;
// the brightness values weigh what reaches the eye by the sky's radiance.
struct LightShares {
    double brightnessIso = 0;       // sky radiance 1 above the horizon
    double brightnessCos = 0;       // sky radiance cos(zenith angle)
    double externalReflection = 0;  // off the outside of the entry facet
    double leakage = 0;             // left the stone below the horizon
    std::array<double, 3> bands{};  // left the stone above the horizon, by elevation
    double remainder = 0;           // still inside when the path was cut short
    double head = 0;                // of the bands' light, what the viewer's head hides

    LightShares &operator+=(const LightShares &other) {
        brightnessIso += other.brightnessIso;
        brightnessCos += other.brightnessCos;
        externalReflection += other.externalReflection;
        leakage += other.leakage;
        for (int band = lowBand; band <= highBand; ++band)
            bands[band] += other.bands[band];
        remainder += other.remainder;
        head += other.head;
        return *this;
    }
    LightShares &operator*=(double factor) {
        brightnessIso *= factor;
        brightnessCos *= factor;
        externalReflection *= factor;
        leakage *= factor;
        for (double &band : bands)
            band *= factor;
        remainder *= factor;
        head *= factor;
        return *this;
    }
    // 1 for every ray: the light is neither made nor lost (head is part of
    // the bands).
    double total() const {
        return externalReflection + leakage + bands[lowBand] + bands[middleBand] + bands[highBand] +
               remainder;
    }
};

// One camera ray of a view's grid: its place in the grid (column along the
// tilt axis, row across it) and where its light went.
struct RaySample {
    int column = 0, row = 0;
    LightShares light;
};

}  // namespace stone

#pragma once

#include <array>

// What the eye makes of light across the visible spectrum: the CIE 1931
// standard observer's colour-matching functions, the D65 daylight that
// lights the stone, and the sRGB colours of a screen.
namespace stone {

// The wavelengths the colour of light is worked out at, 400 to 700 nm every
// 20 nm: the colour-matching functions hold nearly all of their weight
// there, and the colours of a stone's flashes, which the dispersion spreads
// over tens of nanometres, come out within a few hundredths of those worked
// out every 10 nm.
inline constexpr int wavelengthCount = 16;
inline constexpr double firstWavelength = 400;  // nm
inline constexpr double wavelengthStep = 20;    // nm
constexpr double wavelengthAt(int k) {
    return firstWavelength + k * wavelengthStep;
}

// Light as the spectrum reaching the eye: at each wavelength, the fraction
// of D65 daylight of radiance 1 that arrives.
using Spectrum = std::array<double, wavelengthCount>;

struct Xyz {
    double x = 0, y = 0, z = 0;  // Y = 1 for D65 daylight of radiance 1
};

// The tristimulus values of a spectrum given as a fraction of D65 at each
// wavelength.
Xyz xyzOf(const Spectrum &fractionOfDaylight);

// The CIE 1976 u'v' chromaticity, and its distance from D65's.
struct Chromaticity {
    double u = 0, v = 0;
};
Chromaticity chromaticityOf(const Xyz &colour);
double distanceFromWhite(const Xyz &colour);

// A colour for the screen, each channel 0 to 1, gamma-encoded as sRGB: the
// light scaled by exposure, then dimmed as a whole where a channel would
// exceed 1, so that a bright flash keeps its hue.
struct Rgb {
    double red = 0, green = 0, blue = 0;
};
Rgb srgbOf(const Xyz &colour, double exposure);

}  // namespace stone

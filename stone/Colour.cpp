#include "stone/Colour.h"

#include <algorithm>
#include <cmath>

namespace stone {

namespace {

struct Sample {
    double xBar, yBar, zBar;  // CIE 1931 2° colour-matching functions
    double d65;               // CIE D65 relative spectral power
};

// The CIE tables (CIE 15:2004) at wavelengthAt(k).
constexpr Sample kSamples[wavelengthCount] = {
    {0.014310, 0.000396, 0.067850, 82.7549},  // 400 nm
    {0.134380, 0.004000, 0.645600, 93.4318},  // 420
    {0.348280, 0.023000, 1.747060, 104.865},  // 440
    {0.290800, 0.060000, 1.669200, 117.812},  // 460
    {0.095640, 0.139020, 0.812950, 115.923},  // 480
    {0.004900, 0.323000, 0.272000, 109.354},  // 500
    {0.063270, 0.710000, 0.078250, 104.790},  // 520
    {0.290400, 0.954000, 0.020300, 104.405},  // 540
    {0.594500, 0.995000, 0.003900, 100.000},  // 560
    {0.916300, 0.870000, 0.001650, 95.7880},  // 580
    {1.062200, 0.631000, 0.000800, 90.0062},  // 600
    {0.854450, 0.381000, 0.000190, 87.6987},  // 620
    {0.447900, 0.175000, 0.000020, 83.6992},  // 640
    {0.164900, 0.061000, 0.000000, 80.2146},  // 660
    {0.046770, 0.017000, 0.000000, 78.2842},  // 680
    {0.011359, 0.004102, 0.000000, 71.6091},  // 700
};

// The luminance of D65 itself, for Y = 1.
double daylightLuminance() {
    double y = 0;
    for (const Sample &s : kSamples)
        y += s.d65 * s.yBar;
    return y;
}

// IEC 61966-2-1: linear light to the sRGB curve.
double encoded(double linear) {
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

}  // namespace

Xyz xyzOf(const Spectrum &fractionOfDaylight) {
    static const double white = daylightLuminance();
    Xyz colour;
    for (int k = 0; k < wavelengthCount; ++k) {
        const Sample &s = kSamples[k];
        const double power = fractionOfDaylight[k] * s.d65 / white;
        colour.x += power * s.xBar;
        colour.y += power * s.yBar;
        colour.z += power * s.zBar;
    }
    return colour;
}

Chromaticity chromaticityOf(const Xyz &colour) {
    const double denominator = colour.x + 15 * colour.y + 3 * colour.z;
    if (denominator <= 0)
        return {};
    return {4 * colour.x / denominator, 9 * colour.y / denominator};
}

double distanceFromWhite(const Xyz &colour) {
    static const Spectrum daylight = [] {
        Spectrum flat;
        flat.fill(1);
        return flat;
    }();
    static const Chromaticity white = chromaticityOf(xyzOf(daylight));
    const Chromaticity c = chromaticityOf(colour);
    return std::hypot(c.u - white.u, c.v - white.v);
}

Rgb srgbOf(const Xyz &colour, double exposure) {
    const double x = exposure * colour.x, y = exposure * colour.y, z = exposure * colour.z;
    // IEC 61966-2-1's matrix from XYZ to linear sRGB, white D65.
    double red = std::max(0.0, 3.2406 * x - 1.5372 * y - 0.4986 * z);
    double green = std::max(0.0, -0.9689 * x + 1.8758 * y + 0.0415 * z);
    double blue = std::max(0.0, 0.0557 * x - 0.2040 * y + 1.0570 * z);
    const double brightest = std::max({red, green, blue, 1.0});
    red /= brightest;
    green /= brightest;
    blue /= brightest;
    return {encoded(red), encoded(green), encoded(blue)};
}

}  // namespace stone

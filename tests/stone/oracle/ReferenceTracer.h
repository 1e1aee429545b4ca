#pragma once

#include <array>
#include <vector>

// A second tracer of the light model that the help page "Brillo en 3-D"
// describes, written from the physics alone to check the program's: Snell's
// law and Fresnel's equations in their angle form, a brute-force search for
// where a ray leaves, the sky scored by elevation in degrees, and its own
// stratified random grid. It shares nothing with the program but the stone:
// the facets' planes and the girdle's radius.
namespace oracle {

struct Vector {
    double x = 0, y = 0, z = 0;
};

// The half-space normal · p <= offset; normal is a unit vector pointing out.
struct Face {
    Vector normal;
    double offset = 0;
};

// The faces' intersection with the upright cylinder of girdleRadius; its
// highest and lowest points lie on the axis, as a brilliant's do.
struct Stone {
    std::vector<Face> faces;
    double girdleRadius = 0.5;
};

// Where a ray from inside meets the surface: a face's number, or girdle.
struct Exit {
    double distance = 0;
    int face = 0;
};
inline constexpr int girdle = -1;
Exit exitFrom(const Stone &stone, const Vector &point, const Vector &direction);

// The unpolarised reflectance at incidence (radians) from index n1 into n2.
double reflectance(double n1, double n2, double incidence);

// Shares of the light of camera rays, averaged over the rays that hit.
struct Figures {
    double iso = 0, cos = 0, external = 0, leakage = 0, remainder = 0;
    std::array<double, 3> bands{};  // 0–45º, 45–75º, 75–90º of elevation
};

// The viewer's zenith leans tiltDeg from the stone's axis, towards the
// azimuth axisDeg + 90º; the head hides headDeg about the zenith.
struct View {
    double refractiveIndex = 2.417;
    double headDeg = 15;
    double tiltDeg = 0;
    double axisDeg = 0;
};
Figures traceView(const Stone &stone, const View &view, int samplesAcross);

}  // namespace oracle

#include "ReferenceTracer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>

namespace oracle {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Where the help says a path ends.
constexpr int kMostReflections = 20;
constexpr double kLeastWeight = 1e-4;

Vector operator+(const Vector &a, const Vector &b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vector operator-(const Vector &a, const Vector &b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vector operator*(double s, const Vector &a) {
    return {s * a.x, s * a.y, s * a.z};
}
double dot(const Vector &a, const Vector &b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vector cross(const Vector &a, const Vector &b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double radiansOf(double degrees) {
    return degrees * kPi / 180;
}
double degreesOf(double radians) {
    return radians * 180 / kPi;
}

Vector girdleNormal(const Vector &p) {
    const double r = std::hypot(p.x, p.y);
    return {p.x / r, p.y / r, 0};
}

Vector mirrored(const Vector &d, const Vector &normal) {
    return d - 2 * dot(d, normal) * normal;
}

// The angle between a direction and a normal, either way round.
double incidenceOf(const Vector &d, const Vector &normal) {
    return std::acos(std::min(1.0, std::abs(dot(d, normal))));
}

// Snell's law: the part of d along the surface shrinks by n1 / n2, the rest
// goes on through the surface. Only below the critical angle.
Vector refracted(const Vector &d, const Vector &normal, double n1, double n2) {
    const double along = dot(d, normal);
    const Vector surfacePart = d - along * normal;
    const Vector through = along > 0 ? normal : -1 * normal;
    const Vector bent = (n1 / n2) * surfacePart;
    return bent + std::sqrt(1 - dot(bent, bent)) * through;
}

struct Entry {
    double distance;
    Vector normal;
};

// Where a ray from outside enters: the last of the entering crossings, if it
// comes before the first leaving one.
std::optional<Entry> entryOf(const Stone &stone, const Vector &origin, const Vector &d) {
    Entry entry{-kInfinity, {}};
    double leave = kInfinity;
    for (const Face &face : stone.faces) {
        const double along = dot(face.normal, d);
        const double distance = (face.offset - dot(face.normal, origin)) / along;
        if (along < 0 && distance > entry.distance)
            entry = {distance, face.normal};
        else if (along > 0)
            leave = std::min(leave, distance);
    }
    const double a = d.x * d.x + d.y * d.y;
    const double b = origin.x * d.x + origin.y * d.y;
    const double c =
        origin.x * origin.x + origin.y * origin.y - stone.girdleRadius * stone.girdleRadius;
    if (b * b - a * c < 0 || (a == 0 && c > 0))
        return std::nullopt;
    if (a > 0) {
        const double root = std::sqrt(b * b - a * c);
        const double in = (-b - root) / a;
        leave = std::min(leave, (-b + root) / a);
        if (in > entry.distance)
            entry = {in, girdleNormal(origin + in * d)};
    }
    if (!(entry.distance < leave))
        return std::nullopt;
    return entry;
}

// The sky as the viewer holds it, scored by elevation above the horizon.
struct Sky {
    Vector zenith;
    double headDeg;

    void score(const Vector &d, double weight, bool external, Figures &figures) const {
        const double elevation = degreesOf(std::asin(std::clamp(dot(d, zenith), -1.0, 1.0)));
        if (elevation > 0 && 90 - elevation > headDeg) {
            figures.iso += weight;
            figures.cos += weight * std::sin(radiansOf(elevation));
        }
        if (external)
            figures.external += weight;
        else if (elevation <= 0)
            figures.leakage += weight;
        else
            figures.bands[elevation < 45 ? 0 : elevation < 75 ? 1 : 2] += weight;
    }
};

std::optional<Figures> traceRay(const Stone &stone, double n, const Sky &sky, const Vector &origin,
                                const Vector &down) {
    const auto entry = entryOf(stone, origin, down);
    if (!entry)
        return std::nullopt;
    Figures figures;
    Vector point = origin + entry->distance * down;
    const double outside = reflectance(1, n, incidenceOf(down, entry->normal));
    sky.score(mirrored(down, entry->normal), outside, true, figures);
    double weight = 1 - outside;
    Vector d = refracted(down, entry->normal, 1, n);
    for (int reflections = 0; reflections < kMostReflections && weight >= kLeastWeight;
         ++reflections) {
        const Exit exit = exitFrom(stone, point, d);
        point = point + exit.distance * d;
        const Vector normal =
            exit.face == girdle ? girdleNormal(point) : stone.faces[exit.face].normal;
        const double inside = reflectance(n, 1, incidenceOf(d, normal));
        if (inside < 1)
            sky.score(refracted(d, normal, n, 1), weight * (1 - inside), false, figures);
        weight *= inside;
        d = mirrored(d, normal);
    }
    figures.remainder = weight;
    return figures;
}

}  // namespace

Exit exitFrom(const Stone &stone, const Vector &point, const Vector &direction) {
    Exit exit{kInfinity, girdle};
    for (int k = 0; k < int(stone.faces.size()); ++k) {
        const Face &face = stone.faces[k];
        const double along = dot(face.normal, direction);
        // A point on an edge may lie a rounding error outside the next face.
        const double distance = std::max(0.0, (face.offset - dot(face.normal, point)) / along);
        if (along > 0 && distance < exit.distance)
            exit = {distance, k};
    }
    const Vector &d = direction;
    const double a = d.x * d.x + d.y * d.y;
    const double b = point.x * d.x + point.y * d.y;
    const double c =
        point.x * point.x + point.y * point.y - stone.girdleRadius * stone.girdleRadius;
    if (a > 0) {
        const double wall = std::max(0.0, (-b + std::sqrt(std::max(0.0, b * b - a * c))) / a);
        if (wall < exit.distance)
            exit = {wall, girdle};
    }
    return exit;
}

double reflectance(double n1, double n2, double incidence) {
    const double sinOut = n1 / n2 * std::sin(incidence);
    if (sinOut >= 1)
        return 1;
    if (incidence < 1e-7)
        return std::pow((n1 - n2) / (n1 + n2), 2);
    const double out = std::asin(sinOut);
    const double s = std::sin(incidence - out) / std::sin(incidence + out);
    const double p = std::tan(incidence - out) / std::tan(incidence + out);
    return (s * s + p * p) / 2;
}

Figures traceView(const Stone &stone, const View &view, int samplesAcross) {
    const double tilt = radiansOf(view.tiltDeg), axis = radiansOf(view.axisDeg);
    const Vector across{std::cos(axis), std::sin(axis), 0};
    const Sky sky{
        {-std::sin(tilt) * std::sin(axis), std::sin(tilt) * std::cos(axis), std::cos(tilt)},
        view.headDeg};
    const Vector up = cross(sky.zenith, across);
    double top = kInfinity, bottom = -kInfinity;
    for (const Face &face : stone.faces) {
        if (face.normal.z > 0)
            top = std::min(top, face.offset / face.normal.z);
        else if (face.normal.z < 0)
            bottom = std::max(bottom, face.offset / face.normal.z);
    }
    const Vector centre{0, 0, (top + bottom) / 2};
    const double reach = std::hypot(stone.girdleRadius, (top - bottom) / 2);
    const double cell = 2 * reach / samplesAcross;
    std::mt19937_64 random(1919);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<Figures> rays;
    for (int row = 0; row < samplesAcross; ++row) {
        for (int column = 0; column < samplesAcross; ++column) {
            const double a = -reach + (column + unit(random)) * cell;
            const double b = -reach + (row + unit(random)) * cell;
            const Vector origin = centre + a * across + b * up + 2 * reach * sky.zenith;
            if (const auto ray =
                    traceRay(stone, view.refractiveIndex, sky, origin, -1 * sky.zenith))
                rays.push_back(*ray);
        }
    }
    Figures mean;
    for (const Figures &ray : rays) {
        for (const auto share : {&Figures::iso, &Figures::cos, &Figures::external,
                                 &Figures::leakage, &Figures::remainder})
            mean.*share += ray.*share / rays.size();
        for (int band = 0; band < 3; ++band)
            mean.bands[band] += ray.bands[band] / rays.size();
    }
    return mean;
}

}  // namespace oracle

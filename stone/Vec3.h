#pragma once

#include <cmath>

namespace stone {

// A point or direction in the stone's frame (units of the girdle diameter).
struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(const Vec3 &a, const Vec3 &b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(const Vec3 &a, const Vec3 &b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator-(const Vec3 &a) {
    return {-a.x, -a.y, -a.z};
}
inline Vec3 operator*(double s, const Vec3 &a) {
    return {s * a.x, s * a.y, s * a.z};
}
inline Vec3 operator*(const Vec3 &a, double s) {
    return s * a;
}
inline double dot(const Vec3 &a, const Vec3 &b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(const Vec3 &a, const Vec3 &b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(const Vec3 &a) {
    return std::sqrt(dot(a, a));
}
inline Vec3 normalized(const Vec3 &a) {
    return (1 / length(a)) * a;
}

}  // namespace stone

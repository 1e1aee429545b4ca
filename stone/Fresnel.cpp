#include "stone/Fresnel.h"

#include <cmath>

namespace stone {

namespace {

// The cosine of the refracted angle, or a negative number under total
// internal reflection.
double cosRefracted(double nFrom, double nTo, double cosIncidence) {
    const double ratio = nFrom / nTo;
    const double sinSquared = ratio * ratio * (1 - cosIncidence * cosIncidence);
    return sinSquared >= 1 ? -1 : std::sqrt(1 - sinSquared);
}

double square(double value) {
    return value * value;
}

}  // namespace

double fresnelReflectance(double nFrom, double nTo, double cosIncidence) {
    const double cosOut = cosRefracted(nFrom, nTo, cosIncidence);
    if (cosOut < 0)
        return 1;
    const double s = (nFrom * cosIncidence - nTo * cosOut) / (nFrom * cosIncidence + nTo * cosOut);
    const double p = (nTo * cosIncidence - nFrom * cosOut) / (nTo * cosIncidence + nFrom * cosOut);
    return (square(s) + square(p)) / 2;
}

Vec3 refracted(const Vec3 &direction, const Vec3 &normal, double nFrom, double nTo) {
    const double cosIncidence = -dot(direction, normal);
    const double ratio = nFrom / nTo;
    const double cosOut = cosRefracted(nFrom, nTo, cosIncidence);
    return ratio * direction + (ratio * cosIncidence - cosOut) * normal;
}

}  // namespace stone

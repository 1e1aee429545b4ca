#pragma once

#include "stone/Vec3.h"

#include <cmath>

namespace stone {

// The cosine of the angle refracted from index nFrom into nTo at incidence
// cosine cosIncidence, or a negative number under total internal reflection.
inline double cosRefracted(double nFrom, double nTo, double cosIncidence) {
    const double ratio = nFrom / nTo;
    const double sinSquared = ratio * ratio * (1 - cosIncidence * cosIncidence);
    return sinSquared >= 1 ? -1 : std::sqrt(1 - sinSquared);
}

// The mean of the s and p reflectances at incidence cosine cosIncidence
// and refraction cosine cosOut.
inline double unpolarisedReflectance(double nFrom, double nTo, double cosIncidence, double cosOut) {
    const double s = (nFrom * cosIncidence - nTo * cosOut) / (nFrom * cosIncidence + nTo * cosOut);
    const double p = (nTo * cosIncidence - nFrom * cosOut) / (nTo * cosIncidence + nFrom * cosOut);
    return (s * s + p * p) / 2;
}

// Reflectance of unpolarised light meeting a surface from a medium of index
// nFrom towards one of index nTo, at incidence cosine cosIncidence (0..1]:
// the mean of the s and p reflectances; 1 beyond the critical angle.
double fresnelReflectance(double nFrom, double nTo, double cosIncidence);

// The mirror image of direction at a surface of unit normal.
inline Vec3 reflected(const Vec3 &direction, const Vec3 &normal) {
    return direction - 2 * dot(direction, normal) * normal;
}

// What a surface does to light of a direction meeting it from index nFrom
// towards nTo, its unit normal pointing back into the incident medium
// (dot(direction, normal) < 0): the reflectance, as fresnelReflectance()
// gives it, and the direction refracted, below the critical angle.
struct Refraction {
    double reflectance = 1;
    Vec3 direction;
};
inline Refraction refraction(const Vec3 &direction, const Vec3 &normal, double nFrom, double nTo) {
    const double cosIncidence = -dot(direction, normal);
    const double cosOut = cosRefracted(nFrom, nTo, cosIncidence);
    if (cosOut < 0)
        return {};
    const double ratio = nFrom / nTo;
    return {unpolarisedReflectance(nFrom, nTo, cosIncidence, cosOut),
            ratio * direction + (ratio * cosIncidence - cosOut) * normal};
}

}  // namespace stone

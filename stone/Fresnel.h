#pragma once

#include "stone/Vec3.h"

namespace stone {

// Reflectance of unpolarised light meeting a surface from a medium of index
// nFrom towards one of index nTo, at incidence cosine cosIncidence (0..1]:
// the mean of the s and p reflectances; 1 beyond the critical angle.
double fresnelReflectance(double nFrom, double nTo, double cosIncidence);

// The mirror image of direction at a surface of unit normal.
inline Vec3 reflected(const Vec3 &direction, const Vec3 &normal) {
    return direction - 2 * dot(direction, normal) * normal;
}

// The direction refracted from index nFrom into nTo through a surface whose
// unit normal points back into the incident medium (dot(direction, normal) < 0).
// Only for incidence below the critical angle.
Vec3 refracted(const Vec3 &direction, const Vec3 &normal, double nFrom, double nTo);

}  // namespace stone

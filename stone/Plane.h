#pragma once

#include "stone/Vec3.h"

namespace stone {

// The half-space dot(normal, p) <= offset, bounded by its plane; normal is a
// unit vector pointing out of the solid.
struct Plane {
    Vec3 normal;
    double offset = 0;
};

}  // namespace stone

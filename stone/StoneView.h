#pragma once

#include "stone/Brilliant.h"
#include "stone/Vec3.h"

#include <vector>

// The stone as a viewer in front of it sees it, turned by hand: the faces
// that look at the viewer, each shaded flat by a light fixed beside the
// viewer. The stone is convex, so these faces never hide one another.
namespace stone {

// How the stone is turned: first about its own axis by spinDeg
// (counter-clockwise seen from above), then about the viewer's horizontal
// axis by tiltDeg, its top away from the viewer. (0, 0) is face up: the
// table towards the viewer, azimuth 0 to the right; tilt 90 shows the
// profile, crown up; tilt 180 the pavilion.
struct Turn {
    double spinDeg = 0;
    double tiltDeg = 0;
};

// A facet, or a strip of the girdle, as seen: its outline in the viewer's
// frame (x right, y up, z towards the viewer, in D, the stone's centre at
// the origin) and how bright it looks, from 0 to 1.
struct ShadedFace {
    std::vector<Vec3> outline;
    double shade = 0;
};

struct StoneView {
    std::vector<ShadedFace> faces;
    double radius = 0;  // every turn of the stone fits this circle about the origin
};

StoneView viewStone(const Brilliant &stone, const Turn &turn);

}  // namespace stone

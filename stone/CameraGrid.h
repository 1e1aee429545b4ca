#pragma once

#include "stone/ConvexBody.h"
#include "stone/LightModel.h"
#include "stone/Vec3.h"

// The camera rays of a traced view, one through each cell of a square grid
// that covers the stone's silhouette: from an eye at a distance from the
// stone's centre, fanning out, or, with the eye at infinity, parallel.
// Each ray passes through its cell at a fixed random point: on the cells'
// centres the rays would line up with the edges of the table and of the
// facets around it, and each figure would swing by tenths of a point as the
// grid grows; jittered, it settles in a few hundredths. The jitter is the
// same in every view, so that figures keep the stone's symmetry as the grid
// turns with it, and in every run.
namespace stone {

struct CameraRay {
    Vec3 origin;
    Vec3 direction;  // a unit vector, towards the stone
};

class CameraGrid {
public:
    // raysAcross columns along the tilt axis, as many rows as cover the
    // stone across it; eyeDistance in D from the stone's centre, 0 for an
    // eye at infinity.
    CameraGrid(const ConvexBody &body, const Tilt &tilt, int raysAcross, double eyeDistance = 0);

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    // The viewer's zenith in the stone's frame: it stays with the viewer
    // when the stone tilts.
    Vec3 zenith() const { return m_zenith; }
    // The viewer's right and forward, horizontal for the viewer: with the
    // zenith, the frame the viewer's lamps stand in.
    Vec3 across() const { return m_across; }
    Vec3 along() const { return m_along; }
    CameraRay ray(int column, int row) const;

private:
    Vec3 m_across, m_along, m_zenith, m_corner, m_eye;
    double m_spacing = 0;
    int m_columns = 0, m_rows = 0;
    bool m_atInfinity = true;
};

}  // namespace stone

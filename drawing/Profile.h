#pragma once

#include "calc/CutResult.h"

class Canvas;

// Where a profile sits on its canvas: the left end and the height of the
// girdle line, and its drawn length, which stands for the width D.
struct ProfilePlacement {
    double profileLeft = 0;
    double girdleY = 0;
    double profileWidth = 0;
};

// The fixed-scale profile of Picture2, the stage of the ray animation too.
inline constexpr ProfilePlacement rayCanvasPlacement{100, 2000, 3000};

// The placement of the scaled profile on Picture1: 4500 units wide at first,
// narrowed so that the crown, then the pavilion with its dimension lines,
// fits the canvas.
ProfilePlacement fitProfile(const CutResult &cut);

// The closed side view of the stone as one chain of six lines: girdle, right
// crown facet, table, left crown facet, left and right pavilion facets.
void drawOutline(Canvas &canvas, double left, double girdle, double width, const CutResult &cut);

// Everything drawn before the rays: the fixed-scale profile on picture2, with
// the second pavilion outline and the mirroring warning when the pavilion is
// flatter than the critical angle, then the scaled profile on picture1 with
// its angle marks and symmetry axis.
void drawProfile(Canvas &picture1, Canvas &picture2, const CutResult &cut);

// The dimension lines and the letters D, a, b, q, n and H around the scaled
// profile on picture1, drawn after the rays.
void drawDimensions(Canvas &picture1, const CutResult &cut);

#include "drawing/CutDrawing.h"

#include "drawing/Profile.h"
#include "drawing/RayTrace.h"
#include "drawing/ReadOut.h"

void drawCut(Canvas &picture1, Canvas &picture2, double D, const CutResult &cut, Pacer &pacer) {
    drawProfile(picture1, picture2, cut);
    traceRays(picture2, cut, pacer);
    drawDimensions(picture1, cut);
    printResults(picture1, D, cut);
}

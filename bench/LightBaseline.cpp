// Compiled with the namespace stone renamed, against another checkout's
// stone/ headers: the same runs as bench_light's on that tracer.
#include "LightBaseline.h"

#include "LightRuns.h"

std::vector<light_baseline::Columns> light_baseline::faceUp(int raysAcross) {
    return stone::benchFaceUp(raysAcross);
}

std::vector<light_baseline::Columns> light_baseline::comparison(int raysAcross) {
    return stone::benchComparison(raysAcross);
}

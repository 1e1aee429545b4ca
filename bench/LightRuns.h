#pragma once

// The traces that bench_light times, written once for two tracers: this
// tree's, and the one of another checkout that LightBaseline.cpp compiles
// with its namespace renamed (bench/CMakeLists.txt).

#include "stone/ClassicCuts.h"
#include "stone/CutComparison.h"

#include <array>
#include <vector>

namespace stone {

// The figures of one traced view, field by field.
using LightColumns = std::array<double, 10>;

inline LightColumns columnsOf(const LightShares &light) {
    return {light.brightnessIso, light.brightnessCos, light.externalReflection, light.leakage,
            light.bands[0],      light.bands[1],      light.bands[2],           light.remainder,
            light.head,          light.total()};
}

inline ViewSettings benchSettings(int raysAcross) {
    return {2.417, 15, raysAcross};
}

// The face-up view of the 1919 proportions.
inline std::vector<LightColumns> benchFaceUp(int raysAcross) {
    const ConvexBody body(buildBrilliant(classicCuts().front().proportions));
    return {columnsOf(traceView(body, benchSettings(raysAcross), {}).figures)};
}

// The cuts that --verificar compares for diamond.
inline std::vector<NamedCut> benchCuts() {
    std::vector<NamedCut> cuts = classicCuts();
    cuts.insert(cuts.begin(), {QStringLiteral("Calculada"), {0.5377, 34.94, 40.72}, {}});
    return cuts;
}

// Every view of every cut of the comparison, cut by cut.
inline std::vector<LightColumns> benchComparison(int raysAcross) {
    std::vector<LightColumns> figures;
    for (const CutLight &cut : compareCuts(benchCuts(), benchSettings(raysAcross))) {
        for (const ViewTrace &view : cut.views)
            figures.push_back(columnsOf(view.figures));
    }
    return figures;
}

}  // namespace stone

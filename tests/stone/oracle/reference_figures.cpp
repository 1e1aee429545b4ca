// Prints the light of the reference cuts as the independent tracer finds it
// on a converged grid: the rows of the table in tst_referencecuts.cpp.
#include "ReferenceCuts.h"
#include "ReferenceTracer.h"

#include <cstdio>
#include <future>

namespace {

// Rays across: the figures move by about 0.01 point from 400 to 800.
constexpr int faceUpGrid = 800, tiltedGrid = 400;
constexpr double headDeg = 15;

struct Row {
    oracle::Figures faceUp;
    double tilted = 0;  // the ISO brightness over the 13 views
    double at30 = 0;    // over the two 30º views
};

// Face up, then tilted 5º to 30º about a main's axis and about a star's.
Row traceCut(const ReferenceCut &cut) {
    const oracle::Stone stone = oracleStone(stone::buildBrilliant(cut.proportions, cut.choices));
    Row row{oracle::traceView(stone, {diamondIndex, headDeg, 0, 0}, faceUpGrid)};
    row.tilted = row.faceUp.iso;
    for (const double axisDeg : {0.0, 22.5}) {
        for (int tiltDeg = 5; tiltDeg <= 30; tiltDeg += 5) {
            const double iso =
                oracle::traceView(stone, {diamondIndex, headDeg, double(tiltDeg), axisDeg},
                                  tiltedGrid)
                    .iso;
            row.tilted += iso;
            if (tiltDeg == 30)
                row.at30 += iso / 2;
        }
    }
    row.tilted /= 13;
    return row;
}

}  // namespace

int main() {
    std::vector<std::future<Row>> rows;
    for (const ReferenceCut &cut : referenceCuts())
        rows.push_back(std::async(std::launch::async, traceCut, cut));
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Row row = rows[k].get();
        const oracle::Figures &f = row.faceUp;
        std::printf("{%.2f, %.2f, %.2f, %.2f, %.2f, %.2f, %.2f, %.2f, %.2f, %.2f},  // %s, %g\n",
                    100 * f.iso, 100 * f.cos, 100 * row.tilted, 100 * row.at30, 100 * f.external,
                    100 * f.leakage, 100 * f.bands[0], 100 * f.bands[1], 100 * f.bands[2],
                    100 * f.remainder, qPrintable(referenceCuts()[k].name),
                    referenceCuts()[k].epsilonDeg);
    }
}

#include "stone/ClassicCuts.h"
#include "stone/CutComparison.h"

#include <QElapsedTimer>
#include <QTest>
#include <algorithm>

using namespace stone;

namespace {

constexpr int repeats = 5;

// The median time of repeats runs of work, in seconds.
template <typename Work>
double medianSeconds(Work &&work) {
    std::vector<double> seconds;
    for (int run = 0; run < repeats; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        seconds.push_back(timer.nsecsElapsed() * 1e-9);
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[repeats / 2];
}

ConvexBody tolkowsky() {
    return ConvexBody(buildBrilliant(classicCuts().front().proportions));
}

}  // namespace

// The light tracer on all cores: camera rays per second, the time to one
// figure at the default grid and at finer ones, and the whole comparison of
// the command line (4 cuts, 13 views each). Medians of 5 runs.
class BenchLight : public QObject {
    Q_OBJECT

private slots:
    void view_data() {
        QTest::addColumn<int>("raysAcross");
        QTest::newRow("default 160") << 160;
        QTest::newRow("fine 400") << 400;
        QTest::newRow("finest 1000") << 1000;
    }

    void view() {
        QFETCH(int, raysAcross);
        const ConvexBody body = tolkowsky();
        const ViewSettings settings{2.417, 15, raysAcross};
        ViewTrace trace;
        const double seconds = medianSeconds([&] { trace = traceView(body, settings, {}); });
        const qint64 rays = gridRays(body, settings, {});
        qInfo("%d across: %d hits of %lld rays, %.4f s, %.2f million rays/s, brillo ISO %.3f %%",
              raysAcross, trace.hits, rays, seconds, rays / seconds * 1e-6,
              100 * trace.figures.brightnessIso);
    }

    void comparison() {
        std::vector<NamedCut> cuts = classicCuts();
        cuts.insert(cuts.begin(), {QStringLiteral("Calculada"), {0.5377, 34.94, 40.72}, {}});
        const ViewSettings settings{2.417, 15, 160};
        const double seconds = medianSeconds([&] { compareCuts(cuts, settings); });
        qInfo("comparison of %zu cuts, 13 views each: %.3f s, %.2f million rays/s", cuts.size(),
              seconds, comparisonRays(cuts, settings) / seconds * 1e-6);
    }
};

QTEST_APPLESS_MAIN(BenchLight)
#include "bench_light.moc"

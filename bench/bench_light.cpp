#include "LightBaseline.h"
#include "LightRuns.h"
#include "stone/ColourTracer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <cmath>

using namespace stone;

namespace {

constexpr int repeats = 5;

using Run = std::vector<LightColumns> (*)(int raysAcross);

#ifdef CORVELUX_LIGHT_BASELINE
constexpr Run baselineFaceUp = light_baseline::faceUp;
constexpr Run baselineComparison = light_baseline::comparison;
#else
constexpr Run baselineFaceUp = nullptr;
constexpr Run baselineComparison = nullptr;
#endif

struct Timing {
    double seconds = 0;  // the median of the runs
    std::vector<LightColumns> figures;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs this tree's tracer and, when built, the baseline's in turn, so that
// both meet the same load: the median times and the figures.
std::pair<Timing, Timing> timeInTurn(Run current, Run baseline, int raysAcross) {
    std::vector<double> seconds[2];
    std::pair<Timing, Timing> timings;
    for (int run = 0; run < repeats; ++run) {
        for (const auto &[tracer, timing, times] :
             {std::tuple{current, &timings.first, &seconds[0]},
              std::tuple{baseline, &timings.second, &seconds[1]}}) {
            if (!tracer)
                continue;
            QElapsedTimer timer;
            timer.start();
            timing->figures = tracer(raysAcross);
            times->push_back(timer.nsecsElapsed() * 1e-9);
        }
    }
    timings.first.seconds = median(seconds[0]);
    if (baseline)
        timings.second.seconds = median(seconds[1]);
    return timings;
}

// The largest difference between two sets of figures, in points.
double largestGap(const std::vector<LightColumns> &a, const std::vector<LightColumns> &b) {
    double gap = 0;
    for (std::size_t view = 0; view < std::min(a.size(), b.size()); ++view) {
        for (std::size_t column = 0; column < a[view].size(); ++column)
            gap = std::max(gap, 100 * std::abs(a[view][column] - b[view][column]));
    }
    return a.size() == b.size() ? gap : qInf();
}

QByteArray loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed() : QByteArray("?");
}

void report(const char *what, qint64 rays, const std::pair<Timing, Timing> &timings) {
    const auto &[now, before] = timings;
    qInfo("%s, %lld rays: %.3f s, %.2f million rays/s", what, rays, now.seconds,
          rays / now.seconds * 1e-6);
    if (before.figures.empty())
        return;
    qInfo("  before: %.3f s, %.2f million rays/s; %.2f times as fast; figures within %.2g point",
          before.seconds, rays / before.seconds * 1e-6, before.seconds / now.seconds,
          largestGap(now.figures, before.figures));
}

}  // namespace

// The light tracer on all cores: camera rays per second, the time to one
// figure at the default grid and at finer ones, and the whole comparison of
// the command line (4 cuts, 13 views each) at the default grid and at 640
// rays across. Medians of 5 runs, next to the baseline's when it is built
// (bench/CMakeLists.txt), with the largest gap between their figures.
class BenchLight : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qInfo("load average before: %s", loadAverage().constData()); }
    void cleanupTestCase() { qInfo("load average after: %s", loadAverage().constData()); }

    void view_data() {
        QTest::addColumn<int>("raysAcross");
        QTest::newRow("default 160") << 160;
        QTest::newRow("fine 400") << 400;
        QTest::newRow("finest 1000") << 1000;
    }

    void view() {
        QFETCH(int, raysAcross);
        const auto timings = timeInTurn(benchFaceUp, baselineFaceUp, raysAcross);
        const ConvexBody body(buildBrilliant(classicCuts().front().proportions));
        const QByteArray what = QByteArray::number(raysAcross) + " across, face up";
        report(what, gridRays(body, benchSettings(raysAcross), {}), timings);
        qInfo("  brillo ISO %.3f %%", 100 * timings.first.figures.front()[0]);
    }

    void comparison_data() {
        QTest::addColumn<int>("raysAcross");
        QTest::newRow("default 160") << 160;
        QTest::newRow("--rayos 640") << 640;
    }

    void comparison() {
        QFETCH(int, raysAcross);
        const auto timings = timeInTurn(benchComparison, baselineComparison, raysAcross);
        const std::vector<NamedCut> cuts = benchCuts();
        const QByteArray what = QByteArray::number(raysAcross) + " across, comparison of " +
                                QByteArray::number(int(cuts.size())) + " cuts";
        report(what, comparisonRays(cuts, benchSettings(raysAcross)), timings);
        const std::size_t views = tiltSeries().size();
        for (std::size_t cut = 0; cut < cuts.size(); ++cut) {
            const auto faceUp = [&](const Timing &timing) {
                const LightColumns &figures = timing.figures.at(cut * views);
                return QByteArray::number(100 * figures[0], 'f', 3) + " ISO, " +
                       QByteArray::number(100 * figures[1], 'f', 3) + " COS";
            };
            const QByteArray before = timings.second.figures.empty()
                                          ? QByteArray()
                                          : "; before " + faceUp(timings.second);
            qInfo("  %s face up: %s%s", qPrintable(cuts[cut].name),
                  faceUp(timings.first).constData(), before.constData());
        }
    }

    // The stone in colour under the lamps, face up at the default grid, and
    // the comparison with each cut's fire, as --verificar traces it.
    void colour() {
        const ConvexBody body(buildBrilliant(classicCuts().front().proportions));
        ViewSettings settings = benchSettings(160);
        settings.dispersion = 0.044;
        std::vector<double> view, comparison;
        for (int run = 0; run < repeats; ++run) {
            QElapsedTimer timer;
            timer.start();
            const ColourView colour = traceColourView(body, settings, {});
            view.push_back(timer.nsecsElapsed() * 1e-9);
            timer.restart();
            compareCuts(benchCuts(), settings, {}, Fire::traced);
            comparison.push_back(timer.nsecsElapsed() * 1e-9);
            if (run == 0)
                qInfo("  fire face up: %.2f %%", 100 * colour.fire);
        }
        qInfo("colour, 160 across, face up: %.3f s; comparison with fire: %.3f s (medians)",
              median(view), median(comparison));
    }
};

int main(int argc, char *argv[]) {
    // Ten comparisons at 640 rays across take minutes on a loaded machine.
    qputenv("QTEST_FUNCTION_TIMEOUT", "3600000");
    BenchLight bench;
    return QTest::qExec(&bench, argc, argv);
}
#include "bench_light.moc"

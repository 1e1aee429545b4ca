#include "calc/CutSolver.h"
#include "stone/CutSearch.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThreadPool>
#include <ctime>

using namespace stone;

namespace {

QString proportionsText(const NamedCut &cut) {
    return QStringLiteral("mesa %1 %, corona %2º, pabellón %3º, estrellas %4 %, medias %5 %")
        .arg(100 * cut.proportions.table, 0, 'f', 1)
        .arg(cut.proportions.crownDeg, 0, 'f', 2)
        .arg(cut.proportions.pavilionDeg, 0, 'f', 2)
        .arg(cut.choices.starPercent, 0, 'f', 1)
        .arg(cut.choices.lowerGirdlePercent, 0, 'f', 1);
}

// The objective of a cut at the coarse grid less its figure at the fine one.
double coarseLessFine(const SearchProblem &problem, const CutLight &fine) {
    const ViewSettings coarse = viewSettingsOf(problem.design, problem.budget.coarseRaysAcross);
    const CutLight light = compareCuts({fine.cut}, coarse).front();
    return objectiveFigure(light, problem.objective) - objectiveFigure(fine, problem.objective);
}

QString figuresText(const CutLight &light) {
    return QStringLiteral("inclinado ISO %1, inclinado cos %2, mixto %3")
        .arg(100 * light.tiltedBrightness(), 0, 'f', 2)
        .arg(100 * light.tiltedBrightnessCos(), 0, 'f', 2)
        .arg(100 * objectiveFigure(light, SearchObjective::mixedSky), 0, 'f', 2);
}

}  // namespace

// A whole search for the brightest cut at the defaults (épsilon 0, D 10 mm,
// the eye at 25 cm, head 15º, girdle 0, 160 rays across at the end), once
// per gem on all cores: the evaluations, the time, and the cut found beside
// the start points, each with how far its figure at the coarse grid stands
// from the one at the fine grid.
class BenchOptimiser : public QObject {
    Q_OBJECT

private slots:
    void search_data() {
        QTest::addColumn<double>("IR");
        QTest::newRow("diamond 2.417") << 2.417;
        QTest::newRow("cubic zirconia 2.17") << 2.17;
        QTest::newRow("sapphire 1.77") << 1.77;
        QTest::newRow("quartz 1.544") << 1.544;
        QTest::newRow("fluorite 1.434") << 1.434;
    }

    void search() {
        QFETCH(double, IR);
        SearchProblem problem;
        problem.design = designOf(solveCut(IR, 0), 10, nearestGemMaterial(IR));
        SearchProgress progress;
        QElapsedTimer timer;
        timer.start();
        const std::clock_t processorStart = std::clock();
        const SearchResult result = searchBrightestCut(problem, {nullptr, &progress});
        const double seconds = timer.nsecsElapsed() * 1e-9;
        const double processorSeconds = double(std::clock() - processorStart) / CLOCKS_PER_SEC;
        QVERIFY(result.complete && result.found);
        qInfo("%d evaluations, %.1f s (%.1f s of processor time) on %d threads, %.2f million rays",
              result.evaluations, seconds, processorSeconds,
              QThreadPool::globalInstance()->maxThreadCount(), progress.raysDone * 1e-6);
        qInfo("  Optimizada: %s; %s; retención %.1f %%%s; gruesa - fina %+.2f",
              qPrintable(proportionsText(result.best)), qPrintable(figuresText(result.light)),
              result.retentionPercent,
              result.keptStartPoint.isEmpty()
                  ? ""
                  : qPrintable(QStringLiteral(" (") + result.keptStartPoint + u')'),
              100 * (result.coarseFigure - result.figure));
        for (const CutLight &start : result.startPoints)
            qInfo("  %s: %s; %s; gruesa - fina %+.2f", qPrintable(start.cut.name),
                  qPrintable(proportionsText(start.cut)), qPrintable(figuresText(start)),
                  100 * coarseLessFine(problem, start));
    }
};

QTEST_APPLESS_MAIN(BenchOptimiser)
#include "bench_optimiser.moc"

#include "calc/CutSolver.h"
#include "stone/CutSearch.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThreadPool>

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

QString figuresText(const CutLight &light) {
    return QStringLiteral("inclinado ISO %1, inclinado cos %2, mixto %3")
        .arg(100 * light.tiltedBrightness(), 0, 'f', 2)
        .arg(100 * light.tiltedBrightnessCos(), 0, 'f', 2)
        .arg(100 * objectiveFigure(light, SearchObjective::mixedSky), 0, 'f', 2);
}

}  // namespace

// A whole search for the brightest cut at the defaults (épsilon 0, D 10 mm,
// the eye at 25 cm, head 15º, girdle 0, 160 rays across at the end), once
// per gem on all cores: the evaluations, the time, the coarse and the fine
// figure, and the cut found beside the start points.
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
        const SearchResult result = searchBrightestCut(problem, {nullptr, &progress});
        const double seconds = timer.nsecsElapsed() * 1e-9;
        QVERIFY(result.complete && result.found);
        qInfo("%d evaluations, %.1f s on %d threads, %.2f million rays; coarse %.2f, fine %.2f",
              result.evaluations, seconds, QThreadPool::globalInstance()->maxThreadCount(),
              progress.raysDone * 1e-6, 100 * result.coarseFigure, 100 * result.figure);
        qInfo("  Optimizada: %s; %s; retención %.1f %%%s", qPrintable(proportionsText(result.best)),
              qPrintable(figuresText(result.light)), result.retentionPercent,
              result.keptStartPoint.isEmpty()
                  ? ""
                  : qPrintable(QStringLiteral(" (") + result.keptStartPoint + u')'));
        for (const CutLight &start : result.startPoints)
            qInfo("  %s: %s; %s", qPrintable(start.cut.name),
                  qPrintable(proportionsText(start.cut)), qPrintable(figuresText(start)));
    }
};

QTEST_APPLESS_MAIN(BenchOptimiser)
#include "bench_optimiser.moc"

#include "calc/Constants.h"
#include "calc/CutSolver.h"
#include "stone/CutSearch.h"
#include "stone/NelderMead.h"

#include <QTest>
#include <QThreadPool>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <thread>

using namespace stone;

Q_DECLARE_METATYPE(stone::SearchBounds)
Q_DECLARE_METATYPE(stone::SearchObjective)
Q_DECLARE_METATYPE(stone::SearchBudget)

namespace {

// A search small enough for a test: a few cuts on coarse grids.
constexpr SearchBudget small{12, 6, 2, 15, 0.2};
constexpr int fineRays = 24;

SearchProblem smallProblem(double IR, const SearchBounds &bounds = {},
                           SearchObjective objective = SearchObjective::mixedSky,
                           const SearchBudget &budget = small) {
    return {designOf(solveCut(IR, 0), 10, nearestGemMaterial(IR)), bounds, objective, fineRays,
            budget};
}

// The objective of cuts traced apart from the search, at the fine grid.
std::vector<double> fineFigures(const SearchProblem &problem, const std::vector<NamedCut> &cuts) {
    std::vector<double> figures;
    for (const CutLight &light :
         compareCuts(cuts, viewSettingsOf(problem.design, problem.fineRaysAcross)))
        figures.push_back(objectiveFigure(light, problem.objective));
    return figures;
}

double radians(double degrees) {
    return degrees * pi / 180;
}

// The total depth in % of D by trigonometry: the crown rises at its angle
// from the girdle to the table's corners on the mains, the pavilion falls
// from the girdle to the culet.
double depthByHand(const NamedCut &cut) {
    const Proportions &p = cut.proportions;
    return 50 * (1 - p.table) * std::tan(radians(p.crownDeg)) + cut.choices.girdlePercent +
           50 * std::tan(radians(p.pavilionDeg));
}

bool sameCut(const NamedCut &a, const NamedCut &b) {
    const Proportions &p = a.proportions, &q = b.proportions;
    return p.table == q.table && p.crownDeg == q.crownDeg && p.pavilionDeg == q.pavilionDeg &&
           a.choices.starPercent == b.choices.starPercent &&
           a.choices.lowerGirdlePercent == b.choices.lowerGirdlePercent;
}

}  // namespace

class TestCutSearch : public QObject {
    Q_OBJECT

private slots:
    void minimises_data() {
        QTest::addColumn<int>("function");
        QTest::addColumn<QList<double>>("start");
        QTest::addColumn<QList<double>>("minimum");
        QTest::newRow("bowl in 5-D")
            << 0 << QList<double>{0, 0, 0, 0, 0} << QList<double>{0.3, 0.7, 0.1, 0.9, 0.5};
        QTest::newRow("Rosenbrock's valley") << 1 << QList<double>{-1.2, 1} << QList<double>{1, 1};
    }

    // The simplex finds the known minimum of a bowl and of the banana-shaped
    // valley of Rosenbrock.
    void minimises() {
        QFETCH(int, function);
        QFETCH(QList<double>, start);
        QFETCH(QList<double>, minimum);
        const Objective bowl = [&](const std::vector<double> &x) -> std::optional<double> {
            double sum = 0;
            for (std::size_t k = 0; k < x.size(); ++k)
                sum += (k + 1) * std::pow(x[k] - minimum[k], 2);
            return sum;
        };
        const Objective rosenbrock = [](const std::vector<double> &x) -> std::optional<double> {
            return 100 * std::pow(x[1] - x[0] * x[0], 2) + std::pow(1 - x[0], 2);
        };
        const SimplexMinimum found =
            nelderMead(function == 0 ? bowl : rosenbrock, {start.begin(), start.end()},
                       std::vector<double>(start.size(), 0.5), 2000, 1e-6);
        QVERIFY(!found.stopped && found.evaluations < 2000);
        for (qsizetype k = 0; k < minimum.size(); ++k)
            QVERIFY2(std::abs(found.point[k] - minimum[k]) < 1e-4, qPrintable(QString::number(k)));
    }

    void searches_data() {
        QTest::addColumn<double>("IR");
        QTest::addColumn<SearchBounds>("bounds");
        QTest::addColumn<SearchObjective>("objective");
        QTest::addColumn<SearchBudget>("budget");
        QTest::newRow("diamond") << 2.417 << SearchBounds{} << SearchObjective::mixedSky << small;
        QTest::newRow("quartz, cos sky")
            << 1.544 << SearchBounds{} << SearchObjective::tiltedCos << small;
        // The computed crown of 55º and every start point's table move in.
        QTest::newRow("quartz, narrowed")
            << 1.544 << SearchBounds{{60, 65}, {25, 30}, {42, 44}, {40, 60}, {70, 75}, 0, 0}
            << SearchObjective::tiltedIso << small;
        // Of the start points, only the laboratory's reference is 58 % deep
        // at most, and none is 46 %.
        for (const double depth : {58.0, 46.0}) {
            SearchBounds shallow;
            shallow.maxDepthPercent = depth;
            QTest::addRow("diamond, %g %% deep at most", depth)
                << 2.417 << shallow << SearchObjective::mixedSky << small;
        }
        SearchBounds heavy;
        heavy.minRetentionPercent = 100;
        QTest::newRow("diamond, all the weight kept")
            << 2.417 << heavy << SearchObjective::mixedSky << small;
        // Without simplex searches, the brightest start point at the fine grid is returned.
        QTest::newRow("start points alone") << 2.17 << SearchBounds{} << SearchObjective::tiltedIso
                                            << SearchBudget{12, 6, 0, 15, 0.2};
        // At 10 rays across, a cut near the classic ones looks brighter than
        // they do; at the fine grid, it is not.
        QTest::newRow("misled by a coarse grid")
            << 2.417 << SearchBounds{} << SearchObjective::mixedSky
            << SearchBudget{10, 2, 1, 10, 0.2};
    }

    // The cut found lies within the bounds and limits, its figure is its own
    // at the fine grid, no start point that meets the limits is brighter
    // there, and the progress ends at what was planned.
    void searches() {
        QFETCH(double, IR);
        QFETCH(SearchBounds, bounds);
        QFETCH(SearchObjective, objective);
        QFETCH(SearchBudget, budget);
        const SearchProblem problem = smallProblem(IR, bounds, objective, budget);
        SearchProgress progress;
        const SearchResult result = searchBrightestCut(problem, {nullptr, &progress});
        QVERIFY(result.complete && result.found);

        const CutVariables v = variablesOf(result.best);
        const std::pair<ValueRange, double> ranges[] = {{bounds.table, v.tablePercent},
                                                        {bounds.crown, v.crownDeg},
                                                        {bounds.pavilion, v.pavilionDeg},
                                                        {bounds.star, v.starPercent},
                                                        {bounds.lowerHalf, v.lowerHalfPercent}};
        for (const auto &[range, value] : ranges)
            QVERIFY2(range.contains(value), qPrintable(QString::number(value)));
        QCOMPARE(result.best.choices.girdlePercent, problem.design.choices.girdlePercent);
        if (bounds.maxDepthPercent > 0)
            QVERIFY(depthByHand(result.best) <= bounds.maxDepthPercent + 1e-3);
        const Brilliant computed =
            buildBrilliant(problem.design.proportions(), problem.design.choices);
        const double kept = 100 *
                            buildBrilliant(result.best.proportions, result.best.choices).volume /
                            computed.volume;
        QVERIFY(std::abs(kept - result.retentionPercent) < 1e-9);
        QVERIFY(kept >= bounds.minRetentionPercent);

        QCOMPARE(fineFigures(problem, {result.best}).front(), result.figure);
        std::vector<NamedCut> starts;
        for (const NamedCut &start : searchStartPoints(problem)) {
            const Brilliant stone = buildBrilliant(start.proportions, start.choices);
            if ((bounds.maxDepthPercent == 0 || 100 * stone.totalDepth <= bounds.maxDepthPercent) &&
                100 * stone.volume / computed.volume >= bounds.minRetentionPercent)
                starts.push_back(start);
        }
        const std::vector<double> startFigures = fineFigures(problem, starts);
        const double brightestStart =
            std::accumulate(startFigures.begin(), startFigures.end(), -qInf(),
                            [](double a, double b) { return std::max(a, b); });
        QVERIFY(result.figure >= brightestStart);
        QCOMPARE(result.keptStartPoint.isEmpty(),
                 budget.simplexSearches > 0 && result.figure > brightestStart);

        QCOMPARE(progress.evaluationsDone.load(), result.evaluations);
        QCOMPARE(progress.evaluationsPlanned.load(), result.evaluations);
        QCOMPARE(progress.raysPlanned.load(), progress.raysDone.load());
        QCOMPARE(int(progress.steps().size()), result.evaluations);
    }

    // The same search gives the same cut and figures on every run, on one
    // thread or on all.
    void repeats() {
        const SearchProblem problem = smallProblem(1.77);
        const SearchResult first = searchBrightestCut(problem);
        QThreadPool &pool = *QThreadPool::globalInstance();
        const int threads = pool.maxThreadCount();
        pool.setMaxThreadCount(1);
        const SearchResult alone = searchBrightestCut(problem);
        pool.setMaxThreadCount(threads);
        const SearchResult again = searchBrightestCut(problem);
        for (const SearchResult *other : {&alone, &again}) {
            QVERIFY(sameCut(other->best, first.best));
            QVERIFY(other->figure == first.figure);
            QVERIFY(other->coarseFigure == first.coarseFigure);
            QCOMPARE(other->evaluations, first.evaluations);
        }
    }

    void cancels_data() {
        QTest::addColumn<int>("cancelAfter");  // cuts traced; -1: before the start
        QTest::newRow("before the start") << -1;
        QTest::newRow("in the scan") << 2;
        QTest::newRow("in a simplex search") << 12;
    }

    // Cancelled, the search stops during the cut being traced and returns
    // the brightest one so far, unfinished.
    void cancels() {
        QFETCH(int, cancelAfter);
        const SearchProblem problem = smallProblem(2.417);
        std::atomic_bool cancel{cancelAfter < 0};
        SearchProgress progress;
        SearchResult result;
        std::thread search([&] { result = searchBrightestCut(problem, {&cancel, &progress}); });
        while (!cancel && progress.evaluationsDone < cancelAfter)
            std::this_thread::yield();
        cancel = true;
        const int doneAtCancel = progress.evaluationsDone;
        search.join();
        QVERIFY(!result.complete);
        QVERIFY(result.evaluations <= doneAtCancel + 1);
        QCOMPARE(result.found, result.evaluations > 0);
        if (result.found) {
            const std::vector<SearchStep> steps = progress.steps();
            QCOMPARE(result.coarseFigure, steps.back().best);
        }
    }
};

QTEST_APPLESS_MAIN(TestCutSearch)
#include "tst_cutsearch.moc"

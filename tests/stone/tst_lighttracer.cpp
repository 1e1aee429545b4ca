#include "calc/Constants.h"
#include "calc/CutSolver.h"
#include "stone/ClassicCuts.h"
#include "stone/CutComparison.h"
#include "stone/CutFigures.h"
#include "stone/DesignLimits.h"
#include "stone/Fresnel.h"
#include "stone/LightTracer.h"

#include <QTest>
#include <QThreadPool>
#include <algorithm>
#include <cmath>
#include <thread>

using namespace stone;

Q_DECLARE_METATYPE(Tilt)

namespace {

double radians(double degrees) {
    return degrees * pi / 180;
}

// A disc of glass 0.2 thick, as wide as a girdle.
ConvexBody glassPlate() {
    return {{{{0, 0, 1}, 0.1}, {{0, 0, -1}, 0.1}}, 0.5, -0.1, 0.1};
}

// The number of the facet of the given tier at the given azimuth.
int facetAt(const Brilliant &stone, Tier tier, double azimuthDeg) {
    const auto &facets = stone.facets;
    return std::find_if(facets.begin(), facets.end(),
                        [&](const Facet &facet) {
                            return facet.tier == tier &&
                                   std::abs(facet.azimuthDeg - azimuthDeg) < 1e-9;
                        }) -
           facets.begin();
}

// The cuts of diamond that --verificar compares.
std::vector<NamedCut> diamondCuts() {
    return cutsToCompare(proportionsOf(solveCut(2.417, radians(10))), {});
}

std::vector<double> fieldsOf(const LightShares &light) {
    return {light.brightnessIso, light.brightnessCos, light.externalReflection,
            light.leakage,       light.bands[0],      light.bands[1],
            light.bands[2],      light.remainder,     light.head};
}

// Every figure of every view of every cut, in order.
std::vector<double> everyFigure(const std::vector<CutLight> &cuts) {
    std::vector<double> figures;
    for (const CutLight &cut : cuts) {
        for (const ViewTrace &view : cut.views) {
            const std::vector<double> fields = fieldsOf(view.figures);
            figures.insert(figures.end(), fields.begin(), fields.end());
        }
    }
    return figures;
}

// The global thread pool runs this many threads while it lives.
class PoolThreads {
public:
    explicit PoolThreads(int threads) : before_(QThreadPool::globalInstance()->maxThreadCount()) {
        QThreadPool::globalInstance()->setMaxThreadCount(threads);
    }
    ~PoolThreads() { QThreadPool::globalInstance()->setMaxThreadCount(before_); }

private:
    int before_;
};

}  // namespace

class TestLightTracer : public QObject {
    Q_OBJECT

private slots:
    void plate_data() {
        QTest::addColumn<double>("n");
        QTest::addColumn<int>("bounces");
        // A path ends at a weight below 1e-4: (1−R)R^k, R = 0.04 for glass
        // and 0.172 for diamond, falls below it after k = 3 and 6 bounces.
        QTest::newRow("glass") << 1.5 << 3;
        QTest::newRow("diamond") << 2.417 << 6;
    }

    // Face up, every ray meets the plate square on: ((n−1)/(n+1))² is
    // reflected, (1−R)/(1+R) passes through, up to the light left when the
    // paths are cut short.
    void plate() {
        QFETCH(double, n);
        QFETCH(int, bounces);
        const double R = std::pow((n - 1) / (n + 1), 2);
        const ViewTrace view = traceView(glassPlate(), {n, 15, 40}, {});
        QCOMPARE(view.figures.externalReflection, R);
        QCOMPARE(view.figures.brightnessIso, 0.0);  // all of it goes back to the head
        QVERIFY(std::abs(view.figures.leakage - (1 - R) / (1 + R)) <= view.figures.remainder);
        QVERIFY(qFuzzyCompare(view.figures.remainder, (1 - R) * std::pow(R, bounces)));
        QCOMPARE(int(tracePath(glassPlate(), n, {0.1, 0.2, 1}, {0, 0, -1}).size()), 1 + bounces);
    }

    void fresnel_data() {
        QTest::addColumn<double>("n");
        QTest::newRow("glass") << 1.5;
        QTest::newRow("diamond") << 2.417;
    }

    // At Brewster's angle only the s-polarised half is reflected, ((n²−1)/(n²+1))²
    // of it; past the critical angle everything is.
    void fresnel() {
        QFETCH(double, n);
        const double brewster = std::atan(n);
        QVERIFY(qFuzzyCompare(fresnelReflectance(1, n, std::cos(brewster)),
                              std::pow((n * n - 1) / (n * n + 1), 2) / 2));
        const double critical = std::asin(1 / n);
        QVERIFY(fresnelReflectance(n, 1, std::cos(critical - 1e-9)) < 1);
        QCOMPARE(fresnelReflectance(n, 1, std::cos(critical + 1e-9)), 1.0);
    }

    void flatProfile_data() {
        QTest::addColumn<double>("IR");
        QTest::addColumn<double>("epsilon");
        QTest::newRow("diamond") << 2.417 << 0.0;
        QTest::newRow("diamond 10") << 2.417 << 10.0;
        QTest::newRow("quartz 12") << 1.544 << 12.0;
    }

    // Vertical light entering a bezel in its middle plane goes to the main
    // below, the opposite main and the table, and leaves the table at épsilon.
    void flatProfile() {
        QFETCH(double, IR);
        QFETCH(double, epsilon);
        const CutResult cut = solveCut(IR, radians(epsilon));
        const Brilliant stone = buildBrilliant(proportionsOf(cut));
        const double bezelMiddle = (cut.aRatio / 2 + 0.5) / 2;
        const auto path = tracePath(ConvexBody(stone), IR, {bezelMiddle, 0, 1}, {0, 0, -1});
        QList<int> surfaces;
        for (const PathStep &step : path)
            surfaces.append(step.surface);
        QCOMPARE(
            surfaces.mid(0, 4),
            (QList<int>{facetAt(stone, Tier::Bezel, 0), facetAt(stone, Tier::PavilionMain, 0),
                        facetAt(stone, Tier::PavilionMain, 180), facetAt(stone, Tier::Table, 0)}));
        const Vec3 leaving = path[3].leaving;
        const double leavingDeg =
            std::atan2(std::hypot(leaving.x, leaving.y), leaving.z) * 180 / pi;
        QVERIFY2(std::abs(leavingDeg - epsilon) < 1e-6, qPrintable(QString::number(leavingDeg)));
    }

    void symmetry_data() {
        QTest::addColumn<Tilt>("tilt");
        QTest::addColumn<Tilt>("turned");
        QTest::newRow("face up") << Tilt{0, 0} << Tilt{0, 45};
        QTest::newRow("main axis") << Tilt{20, 0} << Tilt{20, 135};
        QTest::newRow("star axis") << Tilt{20, 22.5} << Tilt{20, 292.5};
    }

    // The figures repeat every 45º when the grid turns with the stone; every
    // ray's light adds up to 1.
    void symmetry() {
        QFETCH(Tilt, tilt);
        QFETCH(Tilt, turned);
        const NamedCut withGirdle = classicCuts()[1];
        const ConvexBody stone(buildBrilliant(withGirdle.proportions, withGirdle.choices));
        const ViewTrace view = traceView(stone, {2.417, 15, 60}, tilt, Samples::kept);
        const LightShares &a = view.figures;
        const LightShares &b = traceView(stone, {2.417, 15, 60}, turned).figures;
        const double gaps[] = {
            a.brightnessIso - b.brightnessIso,           a.brightnessCos - b.brightnessCos,
            a.externalReflection - b.externalReflection, a.leakage - b.leakage,
            a.bands[highBand] - b.bands[highBand],       a.remainder - b.remainder};
        for (const double gap : gaps)
            QVERIFY(std::abs(gap) < 1e-9);
        for (const RaySample &ray : view.samples)
            QVERIFY(std::abs(ray.light.total() - 1) < 1e-9);
    }

    void sameFiguresOnAnyNumberOfThreads_data() {
        QTest::addColumn<int>("threads");
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
        QTest::newRow("8") << 8;
    }

    // However the rows are shared out, each view adds them in the same
    // order: the figures are the same to the last bit.
    void sameFiguresOnAnyNumberOfThreads() {
        QFETCH(int, threads);
        const ViewSettings coarse{2.417, 15, 24};
        std::vector<double> alone;
        {
            const PoolThreads one(1);
            alone = everyFigure(compareCuts(diamondCuts(), coarse));
        }
        const PoolThreads several(threads);
        QVERIFY(everyFigure(compareCuts(diamondCuts(), coarse)) == alone);
    }

    // Every vector path this processor runs finds the light that the plain
    // path, the one of every x86-64, finds.
    void vectorPathsAgree() {
        const std::vector<VectorPath> paths = vectorPaths();
        if (paths.size() == 1)
            QSKIP("This processor runs the plain path only.");
        const ViewSettings coarse{2.417, 15, 40};
        for (const NamedCut &cut : diamondCuts()) {
            const Brilliant stone = buildBrilliant(cut.proportions, cut.choices);
            for (const Tilt &tilt : {Tilt{0, 0}, Tilt{15, 0}, Tilt{30, 22.5}}) {
                const std::vector<double> plain =
                    fieldsOf(traceView(ConvexBody(stone, VectorPath::plain), coarse, tilt).figures);
                for (const VectorPath path : paths) {
                    const std::vector<double> wide =
                        fieldsOf(traceView(ConvexBody(stone, path), coarse, tilt).figures);
                    for (std::size_t k = 0; k < plain.size(); ++k)
                        QVERIFY2(std::abs(wide[k] - plain[k]) <= 1e-4,
                                 qPrintable(QStringLiteral("%1, %2º: %3")
                                                .arg(cut.name)
                                                .arg(tilt.degrees)
                                                .arg(k)));
                }
            }
        }
    }

    // A square prism's sides: a ray along one of them misses the prism just
    // outside it and enters by the face ahead just inside, on every vector
    // path (the sides share a block of four planes).
    void raysAlongASide() {
        const std::vector<Plane> prism{{{1, 0, 0}, 0.3},  {{-1, 0, 0}, 0.3}, {{0, 1, 0}, 0.3},
                                       {{0, -1, 0}, 0.3}, {{0, 0, 1}, 0.1},  {{0, 0, -1}, 0.1}};
        for (const VectorPath path : vectorPaths()) {
            const ConvexBody body(prism, 0.5, -0.1, 0.1, path);
            for (int side = 0; side < 4; ++side) {
                const Vec3 out = prism[side].normal;
                // Along the side, towards the face the side's normal turns to.
                const Vec3 along{-out.y, out.x, 0};
                QVERIFY(!body.entryPoint(0.35 * out - along, along));
                const auto entry = body.entryPoint(0.25 * out - along, along);
                QVERIFY(entry);
                QCOMPARE(entry->distance, 0.7);
                QCOMPARE(entry->normal.x, -along.x);
                QCOMPARE(entry->normal.y, -along.y);
            }
        }
    }

    // Every view of the tilt series is traced and the progress counter
    // reaches the total it is shown against.
    void comparisonCountsEveryRay() {
        const std::vector<NamedCut> cuts{classicCuts().front()};
        const ViewSettings coarse{2.417, 15, 10};
        std::atomic<qint64> raysDone = 0;
        const auto traced = compareCuts(cuts, coarse, {nullptr, &raysDone});
        QCOMPARE(traced.front().views.size(), tiltSeries().size());
        QCOMPARE(raysDone.load(), comparisonRays(cuts, coarse));
    }

    // A cancelled comparison hands back no cut traced in part.
    void cancelled() {
        const std::atomic_bool cancel = true;
        std::atomic<qint64> raysDone = 0;
        const ViewTrace view = traceView(glassPlate(), {}, {}, Samples::kept, {&cancel, &raysDone});
        QVERIFY(!view.complete);
        QCOMPARE(raysDone.load(), 0);
        QVERIFY(compareCuts(classicCuts(), {2.417, 15, 10}, {&cancel, nullptr}).empty());
    }

    // The progress moves with each row: a cancel sent as soon as the first
    // rays are counted stops the view long before its last row.
    void progressByRows() {
        const ViewSettings finest{1.5, 15, int(raysLimits.high)};
        std::atomic_bool cancel = false, finished = false;
        std::atomic<qint64> raysDone = 0;
        std::thread canceller([&] {
            while (raysDone.load() == 0 && !finished.load())
                std::this_thread::yield();
            cancel = true;
        });
        const ViewTrace view = traceView(glassPlate(), finest, {}, {}, {&cancel, &raysDone});
        finished = true;
        canceller.join();
        QVERIFY(!view.complete);
        QVERIFY(raysDone.load() < gridRays(glassPlate(), finest, {}) / 2);
    }
};

QTEST_APPLESS_MAIN(TestLightTracer)
#include "tst_lighttracer.moc"

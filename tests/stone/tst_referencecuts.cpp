#include "ReferenceCuts.h"
#include "ReferenceTracer.h"
#include "stone/ComparisonCsv.h"
#include "stone/CutFigures.h"
#include "stone/StoneView.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>
#include <random>

using namespace stone;

Q_DECLARE_METATYPE(stone::Proportions)
Q_DECLARE_METATYPE(stone::CutChoices)
Q_DECLARE_METATYPE(stone::VectorPath)

namespace {

// Light in % of the light entering the silhouette: face up, but tilted (the
// ISO brightness over the 13 views) and at30 (the tilt curve's last point).
struct Light {
    double iso, cos, tilted, at30, external, leakage, low, middle, high, remainder;
};

// The reference cuts' light as the independent tracer of oracle/ finds it
// on a converged grid (oracle/README.md), in the order of referenceCuts().
const Light tracedByTheOracle[] = {
    {64.72, 45.73, 64.51, 65.71, 17.71, 7.92, 15.51, 40.94, 17.04, 0.88},
    {70.22, 51.37, 72.58, 68.26, 17.46, 8.04, 7.31, 50.04, 16.38, 0.78},
    {70.42, 52.34, 72.30, 68.80, 17.44, 7.79, 5.15, 52.29, 16.42, 0.90},
    {69.00, 52.02, 71.68, 68.56, 17.43, 7.98, 6.11, 50.49, 17.20, 0.79},
    {74.60, 54.78, 75.18, 69.89, 17.44, 9.16, 6.30, 55.54, 10.78, 0.78},
};

// The comparison is traced at this grid, where its figures stray from the
// converged ones by sampling alone: the tolerances are about three times the
// root-mean-square gap between this grid and one of 400 rays across,
// measured over 26 cuts of diamond (at least 0.02, for the rounding).
constexpr int raysAcross = 100;
constexpr Light tolerance{0.25, 0.25, 0.2, 0.6, 0.02, 0.25, 0.35, 0.4, 0.25, 0.12};

const std::pair<QString, double Light::*> lightColumns[] = {
    {QStringLiteral("brillo_iso"), &Light::iso},
    {QStringLiteral("brillo_cos"), &Light::cos},
    {QStringLiteral("brillo_inclinado"), &Light::tilted},
    {QStringLiteral("reflejo_externo"), &Light::external},
    {QStringLiteral("fuga"), &Light::leakage},
    {QStringLiteral("banda_0_45"), &Light::low},
    {QStringLiteral("banda_45_75"), &Light::middle},
    {QStringLiteral("banda_75_90"), &Light::high},
    {QStringLiteral("resto"), &Light::remainder},
};

using CsvRow = QHash<QString, double>;

// The CSV's rows by their first field, each field by its column's name.
QHash<QString, CsvRow> csvRows(const QString &csv) {
    QStringList lines = csv.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const QStringList header = lines.takeFirst().split(u',');
    QHash<QString, CsvRow> rows;
    for (const QString &line : lines) {
        const QStringList fields = line.split(u',');
        for (int k = 1; k < fields.size(); ++k)
            rows[fields[0]][header[k]] = fields[k].toDouble();
    }
    return rows;
}

double radians(double degrees) {
    return degrees * M_PI / 180;
}

const ReferenceCut tolkowsky = referenceCuts()[2];

}  // namespace

class TestReferenceCuts : public QObject {
    Q_OBJECT

    // By épsilon: the comparison as traced and as its CSV.
    std::map<double, std::vector<CutLight>> m_traced;
    std::map<double, QHash<QString, CsvRow>> m_rows;

private slots:
    // The comparisons of épsilon 10 and 0, as --verificar writes them; the
    // classic cuts are read from the first.
    void initTestCase() {
        for (const double epsilon : {10.0, 0.0}) {
            std::vector<NamedCut> cuts = cutsToCompare(computedCut(epsilon), {});
            if (epsilon == 0)
                cuts.erase(cuts.begin() + 1, cuts.end());
            m_traced[epsilon] = compareCuts(cuts, {diamondIndex, 15, raysAcross});
            m_rows[epsilon] = csvRows(comparisonCsv(m_traced[epsilon], diamondIndex, 0));
        }
    }

    void figures_data() {
        QTest::addColumn<int>("cut");
        // Published heights in % of D, to their one decimal.
        QTest::addColumn<double>("crown");
        QTest::addColumn<double>("pavilion");
        QTest::addColumn<double>("total");
        const double none = qQNaN();
        QTest::newRow("computed, épsilon 0") << 0 << none << none << none;
        QTest::newRow("computed, épsilon 10") << 1 << none << none << none;
        QTest::newRow("Tolkowsky 1919") << 2 << 16.2 << 43.1 << none;
        QTest::newRow("laboratory reference") << 3 << 14.5 << 43.0 << 60.0;
        QTest::newRow("excellent make") << 4 << none << none << none;
    }

    // Each row of the comparison: the cut as given, its heights as
    // trigonometry and the published figures give them, and its light as the
    // independent tracer finds it; the tilt curve runs to 30º.
    void figures() {
        QFETCH(int, cut);
        QFETCH(double, crown);
        QFETCH(double, pavilion);
        QFETCH(double, total);
        const ReferenceCut reference = referenceCuts()[cut];
        const CsvRow row = m_rows[reference.epsilonDeg].value(reference.name);
        QVERIFY(!row.isEmpty());

        // The crown rises at its angle from the girdle to the table's
        // corners, on the mains; the pavilion falls from the girdle to the
        // culet; the girdle stands between them.
        const Proportions &p = reference.proportions;
        const double girdle = reference.choices.girdlePercent;
        const double crownByHand = 50 * (1 - p.table) * std::tan(radians(p.crownDeg));
        const double pavilionByHand = 50 * std::tan(radians(p.pavilionDeg));
        const std::tuple<QString, double, double> measures[] = {
            {QStringLiteral("mesa"), 100 * p.table, qQNaN()},
            {QStringLiteral("corona"), p.crownDeg, qQNaN()},
            {QStringLiteral("pabellon"), p.pavilionDeg, qQNaN()},
            {QStringLiteral("filetin"), girdle, qQNaN()},
            {QStringLiteral("altura_corona"), crownByHand, crown},
            {QStringLiteral("profundidad_pabellon"), pavilionByHand, pavilion},
            {QStringLiteral("profundidad_total"), crownByHand + girdle + pavilionByHand, total},
        };
        for (const auto &[column, byHand, published] : measures) {
            QVERIFY2(std::abs(row.value(column) - byHand) < 1e-3, qPrintable(column));
            QVERIFY2(std::isnan(published) || std::abs(row.value(column) - published) <= 0.05,
                     qPrintable(column));
        }

        const Light &expected = tracedByTheOracle[cut];
        for (const auto &[column, share] : lightColumns) {
            QVERIFY2(std::abs(row.value(column) - expected.*share) <= tolerance.*share,
                     qPrintable(QStringLiteral("%1: %2, not %3")
                                    .arg(column)
                                    .arg(row.value(column))
                                    .arg(expected.*share)));
        }

        const std::vector<CutLight> &traced = m_traced[reference.epsilonDeg];
        const auto light = std::find_if(traced.begin(), traced.end(), [&](const CutLight &l) {
            return l.cut.name == reference.name;
        });
        QList<double> tilts;
        for (const TiltPoint &point : tiltCurve(*light))
            tilts.append(point.tiltDeg);
        QCOMPARE(tilts, (QList<double>{0, 5, 10, 15, 20, 25, 30}));
        const double at30 = 100 * tiltCurve(*light).back().brightness;
        QVERIFY2(std::abs(at30 - expected.at30) <= tolerance.at30,
                 qPrintable(QString::number(at30)));
    }

    // By hand, in the plane of two opposite mains: a ray straight down the
    // table of Tolkowsky's stone loses ((n−1)/(n+1))² to the outside, meets
    // the main below at 40.75º and, turned 81.5º, the opposite main at
    // 180º − 3 × 40.75º = 57.75º, both beyond the critical angle of 24.4º:
    // all of it is reflected twice. It then rises at 180º − 4 × 40.75º = 17º
    // from the vertical and leaves by the table at asin(n sin 17º).
    void tableRayReflectedTwice() {
        const Brilliant stone = buildBrilliant(tolkowsky.proportions, tolkowsky.choices);
        const auto path = tracePath(ConvexBody(stone), diamondIndex, {0.02, 0, 1}, {0, 0, -1});
        const std::pair<Tier, double> surfaces[] = {
            {Tier::Table, 0}, {Tier::PavilionMain, 0}, {Tier::PavilionMain, 180}, {Tier::Table, 0}};
        QVERIFY(path.size() >= 4);
        for (int k = 0; k < 4; ++k) {
            QVERIFY(path[k].surface >= 0);
            const Facet &facet = stone.facets[path[k].surface];
            QCOMPARE(facet.tier, surfaces[k].first);
            QVERIFY(std::abs(facet.azimuthDeg - surfaces[k].second) < 1e-9);
        }
        const double n = diamondIndex, alpha = radians(40.75);
        QVERIFY(alpha > std::asin(1 / n) && M_PI - 3 * alpha > std::asin(1 / n));
        const double squareOn = std::pow((n - 1) / (n + 1), 2);
        QVERIFY(std::abs(path[0].leavingWeight - squareOn) < 1e-12);
        QCOMPARE(path[1].leavingWeight, 0.0);
        QCOMPARE(path[2].leavingWeight, 0.0);
        const double rising = M_PI - 4 * alpha;
        const double leaves = (1 - squareOn) * (1 - oracle::reflectance(n, 1, rising));
        QVERIFY(std::abs(path[3].leavingWeight - leaves) < 1e-12);
        const Vec3 out = path[3].leaving;
        const double outDeg = std::atan2(std::hypot(out.x, out.y), out.z);
        QVERIFY(std::abs(outDeg - std::asin(n * std::sin(rising))) < 1e-9);
    }

    void exitSearch_data() {
        QTest::addColumn<int>("cut");
        QTest::addColumn<VectorPath>("path");
        QTest::newRow("no girdle, plain") << 2 << VectorPath::plain;
        QTest::newRow("girdle 2.5 %, plain") << 3 << VectorPath::plain;
        QTest::newRow("no girdle, AVX2") << 2 << VectorPath::avx2;
        QTest::newRow("girdle 2.5 %, AVX2") << 3 << VectorPath::avx2;
        QTest::newRow("no girdle, AVX-512") << 2 << VectorPath::avx512;
        QTest::newRow("girdle 2.5 %, AVX-512") << 3 << VectorPath::avx512;
    }

    // From random points inside, in random directions, a ray leaves where
    // the search of every face and of the girdle's wall, one by one, says,
    // on every vector path.
    void exitSearch() {
        QFETCH(int, cut);
        QFETCH(VectorPath, path);
        const std::vector<VectorPath> paths = vectorPaths();
        if (std::find(paths.begin(), paths.end(), path) == paths.end())
            QSKIP("This processor does not run that path.");
        const ReferenceCut reference = referenceCuts()[cut];
        const Brilliant brilliant = buildBrilliant(reference.proportions, reference.choices);
        const ConvexBody body(brilliant, path);
        const oracle::Stone stone = oracleStone(brilliant);
        const auto inside = [&](const Vec3 &p) {
            return std::hypot(p.x, p.y) < brilliant.girdleRadius &&
                   std::all_of(brilliant.facets.begin(), brilliant.facets.end(),
                               [&](const Facet &f) { return dot(f.normal, p) < f.offset; });
        };
        std::mt19937 random(57);
        std::uniform_real_distribution<double> coordinate(-0.5, 0.5);
        std::normal_distribution<double> spread;
        for (int ray = 0; ray < 3000; ++ray) {
            Vec3 p;
            do
                p = {coordinate(random), coordinate(random), coordinate(random)};
            while (!inside(p));
            const Vec3 d = normalized({spread(random), spread(random), spread(random)});
            const SurfaceHit hit = body.exitPoint(p, d);
            const oracle::Exit exit = oracle::exitFrom(stone, {p.x, p.y, p.z}, {d.x, d.y, d.z});
            QCOMPARE(hit.surface, exit.face);
            QVERIFY(std::abs(hit.distance - exit.distance) < 1e-9);
        }
    }

    void cuttableTable_data() {
        QTest::addColumn<double>("table");
        QTest::addColumn<bool>("cuttable");
        // Two neighbouring bezels meet the table's plane over a star, at
        // table / 2 ÷ cos 22.5º from the centre: inside the girdle's radius
        // 1/2 only for a table below cos 22.5º = √(2 + √2) / 2.
        const double limit = std::sqrt(2 + std::sqrt(2.0)) / 2;
        QTest::newRow("classic") << 0.53 << true;
        QTest::newRow("just below cos 22.5º") << limit - 1e-6 << true;
        QTest::newRow("just beyond") << limit + 1e-6 << false;
        QTest::newRow("0.93") << 0.93 << false;
    }

    void cuttableTable() {
        QFETCH(double, table);
        QFETCH(bool, cuttable);
        QCOMPARE(isCuttable({table, 34.5, 40.75}), cuttable);
    }

    void profileCloses_data() {
        QTest::addColumn<CutChoices>("choices");
        QTest::addColumn<double>("slack");
        // Without a girdle the facets meet on it. The girdle's strips run
        // straight between 96 points of its wall where the facets' edges
        // curve: they overlap the facets by less than 6e-4 D².
        QTest::newRow("no girdle") << tolkowsky.choices << 1e-9;
        QTest::newRow("girdle 0.5 %") << CutChoices{0.5, 50, 80} << 6e-4;
        QTest::newRow("girdle 2.5 %") << CutChoices{2.5, 50, 80} << 6e-4;
        QTest::newRow("girdle 10 %") << CutChoices{10, 50, 80} << 6e-4;
    }

    // In profile, seen across two opposite mains, the faces turned to the
    // viewer cover the stone's outline without holes: the crown's
    // trapezoid, the girdle's band across the whole diameter and the
    // pavilion's triangle. Turned by 45º at a time, every part of the
    // girdle comes to face the viewer.
    void profileCloses() {
        QFETCH(CutChoices, choices);
        QFETCH(double, slack);
        const Proportions &cut = tolkowsky.proportions;
        const Brilliant stone = buildBrilliant(cut, choices);
        const double crown = (1 - cut.table) / 2 * std::tan(radians(cut.crownDeg));
        const double outline = (1 + cut.table) / 2 * crown + choices.girdlePercent / 100 +
                               std::tan(radians(cut.pavilionDeg)) / 4;
        for (int spin = 0; spin < 360; spin += 45) {
            double area = 0;
            for (const ShadedFace &face : viewStone(stone, {double(spin), 90}).faces) {
                const auto &corners = face.outline;
                for (std::size_t k = 0; k < corners.size(); ++k) {
                    const Vec3 &a = corners[k], &b = corners[(k + 1) % corners.size()];
                    area += (a.x * b.y - b.x * a.y) / 2;
                }
            }
            QVERIFY2(area > outline - 1e-9 && area < outline + slack,
                     qPrintable(QStringLiteral("%1º: %2").arg(spin).arg(area - outline)));
        }
    }
};

QTEST_GUILESS_MAIN(TestReferenceCuts)
#include "tst_referencecuts.moc"

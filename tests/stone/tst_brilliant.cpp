#include "calc/Constants.h"
#include "calc/CutSolver.h"
#include "stone/Brilliant.h"

#include <QTest>
#include <cmath>
#include <map>
#include <set>

using namespace stone;

Q_DECLARE_METATYPE(stone::Proportions)
Q_DECLARE_METATYPE(stone::CutChoices)

namespace {

// Corners of different facets that lie this close are the same corner.
constexpr double kGrid = 1e-7;

std::tuple<long, long, long> cornerKey(const Vec3 &p) {
    return {std::lround(p.x / kGrid), std::lround(p.y / kGrid), std::lround(p.z / kGrid)};
}

// V - E + F of the facets' outlines.
int eulerCharacteristic(const Brilliant &b) {
    std::set<std::tuple<long, long, long>> corners;
    std::set<std::pair<std::tuple<long, long, long>, std::tuple<long, long, long>>> edges;
    for (const Facet &f : b.facets) {
        for (std::size_t k = 0; k < f.vertices.size(); ++k) {
            const auto a = cornerKey(f.vertices[k]);
            const auto c = cornerKey(f.vertices[(k + 1) % f.vertices.size()]);
            corners.insert(a);
            edges.insert(std::minmax(a, c));
        }
    }
    return int(corners.size()) - int(edges.size()) + int(b.facets.size());
}

// True when turning the stone by 45° takes facet f onto a facet of its tier.
bool hasItsTurn(const Brilliant &b, const Facet &f) {
    const double c = std::sqrt(0.5);
    const Vec3 turned{c * (f.normal.x - f.normal.y), c * (f.normal.x + f.normal.y), f.normal.z};
    return std::any_of(b.facets.begin(), b.facets.end(), [&](const Facet &g) {
        return g.tier == f.tier && length(g.normal - turned) < 1e-12 &&
               std::abs(g.area - f.area) < 1e-12 && std::abs(g.offset - f.offset) < 1e-12;
    });
}

}  // namespace

class TestBrilliant : public QObject {
    Q_OBJECT

private slots:
    void body_data() {
        QTest::addColumn<Proportions>("cut");
        QTest::addColumn<CutChoices>("choices");
        const Proportions diamond{0.537748, 34.9380, 40.7183};
        QTest::newRow("defaults") << diamond << CutChoices{};
        QTest::newRow("short stars, short halves") << diamond << CutChoices{0, 10, 10};
        QTest::newRow("long stars, long halves") << diamond << CutChoices{0, 90, 90};
        QTest::newRow("quartz") << Proportions{0.598667, 55.5102, 39.2120} << CutChoices{};
        QTest::newRow("thick girdle") << diamond << CutChoices{10, 50, 80};
    }

    // 57 facets, as many in each tier as the tier table says (the girdle is
    // no flat facet), each a polygon running counter-clockwise seen from outside
    // (otherwise its area would come out as 0), in eight equal turns; without
    // a girdle band the faceted body is closed: V - E + F = 2.
    void body() {
        QFETCH(Proportions, cut);
        QFETCH(CutChoices, choices);
        const Brilliant b = buildBrilliant(cut, choices);
        QCOMPARE(b.facets.size(), std::size_t(57));
        for (const TierRow &row : tierTable) {
            const auto inTier =
                std::count_if(b.facets.begin(), b.facets.end(),
                              [&row](const Facet &f) { return f.tier == row.tier; });
            QCOMPARE(int(inTier), row.part == StonePart::Girdle ? 0 : row.facets);
        }
        for (const Facet &f : b.facets) {
            QVERIFY(f.vertices.size() >= 3 && f.area > 1e-4);
            QVERIFY(hasItsTurn(b, f));
        }
        if (choices.girdlePercent == 0)
            QCOMPARE(eulerCharacteristic(b), 2);
    }

    void solvedCut_data() {
        QTest::addColumn<double>("IR");
        QTest::addColumn<double>("eps");
        QTest::newRow("diamond") << 2.419 << 10.0;
        QTest::newRow("quartz") << 1.54 << 0.0;
        QTest::newRow("fluorite") << 1.434 << 20.0;
    }

    // Without a girdle the body's heights are the solver's q, n and H.
    void solvedCut() {
        QFETCH(double, IR);
        QFETCH(double, eps);
        const CutResult r = solveCut(IR, eps * pi / 180);
        const Brilliant b = buildBrilliant(proportionsOf(r));
        QVERIFY(std::abs(b.crownHeight - r.qRatio) < 1e-12);
        QVERIFY(std::abs(b.pavilionDepth - r.nRatio) < 1e-12);
        QVERIFY(std::abs(b.totalDepth - (r.qRatio + r.nRatio)) < 1e-12);
    }

    // A published round brilliant: table 57 %, crown 34.0°, pavilion 40.7°,
    // girdle 2.5 % has crown height 14.5 %, pavilion depth 43.0 % and total
    // depth 60.0 %; at 6.5 mm a diamond (3.52 g/cm³) of it weighs about 1 ct.
    void publishedProportions() {
        const Brilliant b = buildBrilliant({0.57, 34, 40.7}, {2.5, 50, 80});
        QCOMPARE(std::round(b.crownHeight * 1000), 145);
        QCOMPARE(std::round(b.pavilionDepth * 1000), 430);
        QCOMPARE(std::round(b.totalDepth * 1000), 600);
        QVERIFY(std::abs(caratWeight(b, 6.5, 3.52) - 1) < 0.03);
    }
};

QTEST_GUILESS_MAIN(TestBrilliant)
#include "tst_brilliant.moc"

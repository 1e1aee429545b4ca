#include "calc/Constants.h"
#include "stone/Recipe.h"
#include "stone/RecipeText.h"

#include <QTest>
#include <cmath>

using namespace stone;

Q_DECLARE_METATYPE(stone::Tier)

namespace {

// The diamond's cut (2.419, 10°) with girdle 2 %, star 50 %, lower halves 80 %.
constexpr double kTable = 0.537748, kCrown = 34.9380, kPavilion = 40.7183, kHalfGirdle = 0.01;

// Each facet worked out in the vertical plane of its fall line, where it rises
// from a horizontal edge (reach from the axis, height) to a tip: the stars
// from the table's edge, the halves from the girdle's chord at 11.25°.
double slopeDeg(double edgeReach, double edgeZ, double tipReach, double tipZ) {
    return std::atan(std::abs(tipZ - edgeZ) / std::abs(edgeReach - tipReach)) * 180 / pi;
}
const double c22 = std::cos(22.5 * pi / 180), c11 = std::cos(11.25 * pi / 180);
const double tanCrown = std::tan(kCrown * pi / 180), tanPavilion = std::tan(kPavilion * pi / 180);
const double tableEdge = kTable / 2 * c22, starReach = (tableEdge + 0.5) / 2;
const double starZ = kHalfGirdle + (0.5 - starReach * c22) * tanCrown;
const double lowerReach = 0.5 * 0.2, lowerZ = -kHalfGirdle - (0.5 - lowerReach * c22) * tanPavilion;

const RecipeStep &stepOf(const Recipe &recipe, Tier tier) {
    return *std::find_if(recipe.steps.begin(), recipe.steps.end(),
                         [tier](const RecipeStep &s) { return s.tier == tier; });
}

}  // namespace

class TestRecipe : public QObject {
    Q_OBJECT

private slots:
    void angles_data() {
        QTest::addColumn<Tier>("tier");
        QTest::addColumn<double>("angle");
        QTest::newRow("main") << Tier::PavilionMain << kPavilion;
        QTest::newRow("lower half")
            << Tier::LowerHalf << slopeDeg(0.5 * c11, -kHalfGirdle, lowerReach * c11, lowerZ);
        QTest::newRow("bezel") << Tier::Bezel << kCrown;
        QTest::newRow("star") << Tier::Star
                              << slopeDeg(tableEdge, kHalfGirdle + (0.5 - kTable / 2) * tanCrown,
                                          starReach, starZ);
        QTest::newRow("upper half")
            << Tier::UpperHalf << slopeDeg(0.5 * c11, kHalfGirdle, starReach * c11, starZ);
    }

    void angles() {
        QFETCH(Tier, tier);
        QFETCH(double, angle);
        static const Recipe recipe =
            cuttingRecipe(buildBrilliant({kTable, kCrown, kPavilion}, {2, 50, 80}), 96);
        QCOMPARE(twoDecimals(stepOf(recipe, tier).angleDeg), twoDecimals(angle));
    }

    // Mains at k·45°, stars between them, halves on either side of each star.
    void settings_data() {
        QTest::addColumn<int>("gear");
        QTest::addColumn<Tier>("tier");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<double>("cheater");
        QTest::newRow("96 mains") << 96 << Tier::PavilionMain << "96-12-24-36-48-60-72-84" << 0.0;
        QTest::newRow("96 stars") << 96 << Tier::Star << "06-18-30-42-54-66-78-90" << 0.0;
        QTest::newRow("64 halves")
            << 64 << Tier::UpperHalf << "02-06-10-14-18-22-26-30-34-38-42-46-50-54-58-62" << 0.0;
        QTest::newRow("72 halves")
            << 72 << Tier::LowerHalf << "02-07-11-16-20-25-29-34-38-43-47-52-56-61-65-70" << 1.25;
        QTest::newRow("120 bezels")
            << 120 << Tier::Bezel << "120-015-030-045-060-075-090-105" << 0.0;
        QTest::newRow("80 stars") << 80 << Tier::Star << "05-15-25-35-45-55-65-75" << 0.0;
    }

    void settings() {
        QFETCH(int, gear);
        QFETCH(Tier, tier);
        QFETCH(QString, settings);
        QFETCH(double, cheater);
        static const Brilliant published = buildBrilliant({0.57, 34, 40.7}, {2.5, 50, 80});
        const Recipe recipe = cuttingRecipe(published, gear);
        const RecipeStep &step = stepOf(recipe, tier);
        QCOMPARE(indexSettingsText(step, gear), settings);
        QCOMPARE(twoDecimals(step.cheaterDeg), twoDecimals(cheater));
    }
};

QTEST_GUILESS_MAIN(TestRecipe)
#include "tst_recipe.moc"

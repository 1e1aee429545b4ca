#include "calc/Constants.h"
#include "stone/Recipe.h"
#include "stone/RecipeText.h"
#include "stone/StoneRecipe.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>

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

// The tier's step; one without settings when the recipe lacks the tier.
const RecipeStep &stepOf(const Recipe &recipe, Tier tier) {
    static const RecipeStep missing;
    const auto found = std::find_if(recipe.steps.begin(), recipe.steps.end(),
                                    [tier](const RecipeStep &s) { return s.tier == tier; });
    return found == recipe.steps.end() ? missing : *found;
}

// A published brilliant (table 57 %, crown 34°, pavilion 40.7°, girdle
// 2.5 %), and the diamond's cut with no girdle, short stars and halves.
const std::vector<Brilliant> &stones() {
    static const std::vector<Brilliant> made{
        buildBrilliant({0.57, 34, 40.7}, {2.5, 50, 80}),
        buildBrilliant({kTable, kCrown, kPavilion}, {0, 30, 65})};
    return made;
}

// Where on the stone a facet's corners lie.
enum class Place { Top, TableEdge, TableCorner, CrownGirdle, PavilionGirdle, Culet };

bool standsAt(const Brilliant &stone, const Facet &facet, Place place) {
    constexpr double kNear = 1e-4;  // the girdle is a prism just inside its circle
    double top = 0, bottom = 0;
    for (const Facet &f : stone.facets) {
        for (const Vec3 &v : f.vertices) {
            top = std::max(top, v.z);
            bottom = std::min(bottom, v.z);
        }
    }
    const auto corners = [&facet](auto where) {
        return std::count_if(facet.vertices.begin(), facet.vertices.end(), where);
    };
    const auto atTop = corners([top](const Vec3 &v) { return v.z > top - kNear; });
    const auto onGirdle = corners([](const Vec3 &v) { return std::hypot(v.x, v.y) > 0.5 - kNear; });
    const bool crown = facet.normal.z > 0;
    switch (place) {
        case Place::Top:
            return atTop == qsizetype(facet.vertices.size());
        case Place::TableEdge:
            return crown && atTop == 2;
        case Place::TableCorner:
            return crown && atTop == 1;
        case Place::CrownGirdle:
            return crown && onGirdle >= 2;
        case Place::PavilionGirdle:
            return !crown && onGirdle >= 2;
        case Place::Culet:
            return corners([bottom](const Vec3 &v) { return v.z < bottom + kNear; }) > 0;
    }
    return false;
}

}  // namespace

Q_DECLARE_METATYPE(Place)

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

    // Mains at k·45°, stars between them, halves on either side of each
    // star; a facet half-way between two teeth goes up and down in turn.
    void settings_data() {
        QTest::addColumn<int>("gear");
        QTest::addColumn<Tier>("tier");
        QTest::addColumn<QString>("settings");
        const QString halvesOn80 = "03-07-13-17-23-27-33-37-43-47-53-57-63-67-73-77";
        QTest::newRow("96 mains") << 96 << Tier::PavilionMain << "96-12-24-36-48-60-72-84";
        QTest::newRow("96 stars") << 96 << Tier::Star << "06-18-30-42-54-66-78-90";
        QTest::newRow("64 halves")
            << 64 << Tier::UpperHalf << "02-06-10-14-18-22-26-30-34-38-42-46-50-54-58-62";
        QTest::newRow("72 halves")
            << 72 << Tier::LowerHalf << "02-07-11-16-20-25-29-34-38-43-47-52-56-61-65-70";
        QTest::newRow("72 stars") << 72 << Tier::Star << "05-13-23-31-41-49-59-67";
        QTest::newRow("80 stars") << 80 << Tier::Star << "05-15-25-35-45-55-65-75";
        QTest::newRow("80 lower halves") << 80 << Tier::LowerHalf << halvesOn80;
        QTest::newRow("80 upper halves") << 80 << Tier::UpperHalf << halvesOn80;
        QTest::newRow("120 bezels") << 120 << Tier::Bezel << "120-015-030-045-060-075-090-105";
        QTest::newRow("120 stars") << 120 << Tier::Star << "008-022-038-052-068-082-098-112";
    }

    void settings() {
        QFETCH(int, gear);
        QFETCH(Tier, tier);
        QFETCH(QString, settings);
        for (const Brilliant &stone : stones()) {
            const Recipe recipe = cuttingRecipe(stone, gear);
            QCOMPARE(indexSettingsText(stepOf(recipe, tier).settings, gear), settings);
        }
    }

    // Every gear and tier of both stones against the azimuths the eight
    // mirror planes give: mains and bezels at k·45°, stars half-way between,
    // halves half-way between a main and a star.
    void rules_data() {
        QTest::addColumn<int>("stone");
        QTest::addColumn<int>("gear");
        QTest::addColumn<Tier>("tier");
        QTest::addColumn<double>("firstAzimuth");
        QTest::addColumn<double>("spacing");
        QTest::addColumn<Tier>("sameAzimuths");
        const struct {
            Tier tier;
            double first, spacing;
            Tier twin;
        } tiers[] = {{Tier::PavilionMain, 0, 45, Tier::Bezel},
                     {Tier::LowerHalf, 11.25, 22.5, Tier::UpperHalf},
                     {Tier::Bezel, 0, 45, Tier::PavilionMain},
                     {Tier::Star, 22.5, 45, Tier::Star},
                     {Tier::UpperHalf, 11.25, 22.5, Tier::LowerHalf}};
        for (int stone = 0; stone < int(stones().size()); ++stone) {
            for (const int gear : indexGears()) {
                for (const auto &t : tiers) {
                    QTest::addRow("stone %d, %d, %s", stone, gear, qPrintable(tierCode(t.tier)))
                        << stone << gear << t.tier << t.first << t.spacing << t.twin;
                }
            }
        }
    }

    // Each setting within half a tooth of its facet, with the signed
    // cheater from that tooth to the facet; the tier's teeth the same
    // reflected about any main; the same teeth for tiers at the same
    // azimuths.
    void rules() {
        QFETCH(int, stone);
        QFETCH(int, gear);
        QFETCH(Tier, tier);
        QFETCH(double, firstAzimuth);
        QFETCH(double, spacing);
        QFETCH(Tier, sameAzimuths);
        const Recipe recipe = cuttingRecipe(stones()[std::size_t(stone)], gear);
        const std::vector<IndexSetting> &settings = stepOf(recipe, tier).settings;
        const double pitch = 360.0 / gear;
        QCOMPARE(settings.size(), std::size_t(360 / spacing));
        std::set<int> teeth;
        for (std::size_t k = 0; k < settings.size(); ++k) {
            const IndexSetting &s = settings[k];
            QVERIFY(s.tooth >= 1 && s.tooth <= gear);
            const double facetToTooth =
                std::remainder(firstAzimuth + k * spacing - s.tooth * pitch, 360);
            QVERIFY2(std::abs(facetToTooth) <= pitch / 2 + 1e-9,
                     qPrintable(QString::number(s.tooth)));
            QVERIFY(std::abs(s.cheaterDeg - facetToTooth) < 1e-9);
            teeth.insert(s.tooth % gear);
        }
        for (int main = 0; main < gear; main += gear / 8) {
            std::set<int> reflected;
            for (const int t : teeth)
                reflected.insert(((2 * main - t) % gear + gear) % gear);
            QCOMPARE(reflected, teeth);
        }
        const auto teethOf = [](const std::vector<IndexSetting> &s) {
            std::vector<int> t;
            std::transform(s.begin(), s.end(), std::back_inserter(t),
                           [](const IndexSetting &one) { return one.tooth; });
            return t;
        };
        QCOMPARE(teethOf(stepOf(recipe, sameAzimuths).settings), teethOf(settings));
    }

    // The table's lines of a tier, cheater before settings: the settings of
    // one cheater on each line, the first line the tier's own.
    void tableLines_data() {
        QTest::addColumn<int>("gear");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("lines");
        // Star at 22.5°, tooth 5 at 25°; the halves at 11.25° on tooth 2 at
        // 10°, at 33.75° on tooth 7 at 35°; on 80 teeth at 13.5° and 31.5°.
        QTest::newRow("72 stars") << 72 << "C2"
                                  << QStringList{"-2.50º 05-23-41-59", "+2.50º 13-31-49-67"};
        QTest::newRow("72 lower halves")
            << 72 << "P2"
            << QStringList{"+1.25º 02-11-20-29-38-47-56-65", "-1.25º 07-16-25-34-43-52-61-70"};
        QTest::newRow("80 upper halves")
            << 80 << "C3"
            << QStringList{"-2.25º 03-13-23-33-43-53-63-73", "+2.25º 07-17-27-37-47-57-67-77"};
        QTest::newRow("96 bezels") << 96 << "C1" << QStringList{" 96-12-24-36-48-60-72-84"};
        QTest::newRow("64 girdle") << 64 << "G" << QStringList{" redondo"};
        QTest::newRow("72 table") << 72 << "T" << QStringList{" "};
    }

    void tableLines() {
        QFETCH(int, gear);
        QFETCH(QString, code);
        QFETCH(QStringList, lines);
        const QList<QStringList> rows = recipeRows(cuttingRecipe(stones().front(), gear));
        QCOMPARE(rows.front().size(), recipeColumnTitles().size());
        auto row = std::find_if(rows.begin(), rows.end(),
                                [&code](const QStringList &r) { return r.front() == code; });
        QVERIFY(row != rows.end());
        QStringList found{(*row)[4] + u' ' + (*row)[5]};
        while (++row != rows.end() && row->front().isEmpty()) {
            QCOMPARE(row->mid(0, 4), QStringList(4));
            found.append((*row)[4] + u' ' + (*row)[5]);
        }
        QCOMPARE(found, lines);
    }

    // Each tier's name where it stands on the stone, found from the
    // facets' corners alone.
    void namesFollowTheStone_data() {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("count");
        QTest::newRow("the top") << Place::Top << "Mesa"
                                 << "1";
        QTest::newRow("along the table's edges") << Place::TableEdge << "Estrellas"
                                                 << "8";
        QTest::newRow("at the table's corners") << Place::TableCorner << "Principales de la corona"
                                                << "8";
        QTest::newRow("crown, along the girdle") << Place::CrownGirdle << "Medias de la corona"
                                                 << "16";
        QTest::newRow("pavilion, along the girdle")
            << Place::PavilionGirdle << "Medias del pabellón"
            << "16";
        QTest::newRow("at the culet") << Place::Culet << "Principales del pabellón"
                                      << "8";
    }

    void namesFollowTheStone() {
        QFETCH(Place, place);
        QFETCH(QString, name);
        QFETCH(QString, count);
        const Brilliant &stone = stones().front();
        std::set<Tier> tiers;
        for (const Facet &f : stone.facets) {
            if (standsAt(stone, f, place))
                tiers.insert(f.tier);
        }
        QCOMPARE(tiers.size(), std::size_t(1));
        const QList<QStringList> rows = recipeRows(cuttingRecipe(stone, 96));
        const auto row = std::find_if(rows.begin(), rows.end(), [&tiers](const QStringList &r) {
            return r.front() == tierCode(*tiers.begin());
        });
        QVERIFY(row != rows.end());
        QCOMPARE(row->mid(1, 2), (QStringList{name, count}));
    }
};

QTEST_GUILESS_MAIN(TestRecipe)
#include "tst_recipe.moc"

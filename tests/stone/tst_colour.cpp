#include "calc/Constants.h"
#include "stone/CauchyIndex.h"
#include "stone/ClassicCuts.h"
#include "stone/Colour.h"
#include "stone/ColourTracer.h"
#include "stone/Spotlights.h"

#include <QTest>
#include <cmath>

using namespace stone;

namespace {

Vec3 skyDirection(double elevationDeg, double azimuthDeg) {
    const double e = elevationDeg * pi / 180, a = azimuthDeg * pi / 180;
    return {std::cos(e) * std::cos(a), std::cos(e) * std::sin(a), std::sin(e)};
}

}  // namespace

class TestColour : public QObject {
    Q_OBJECT

private slots:
    // Daylight itself is the white the screen is set to: D65's published
    // chromaticity, x 0.3127 and y 0.3290, to the sampling's 0.002.
    void daylightIsWhite() {
        Spectrum daylight;
        daylight.fill(1);
        const Xyz white = xyzOf(daylight);
        const double sum = white.x + white.y + white.z;
        QVERIFY(std::abs(white.x / sum - 0.3127) < 0.002);
        QVERIFY(std::abs(white.y / sum - 0.3290) < 0.002);
        QCOMPARE(white.y, 1.0);
        QVERIFY(distanceFromWhite(white) < 1e-12);
    }

    void cauchy_data() {
        QTest::addColumn<double>("nD");
        QTest::addColumn<double>("dispersion");
        QTest::newRow("diamond") << 2.417 << 0.044;
        QTest::newRow("quartz") << 1.544 << 0.013;
        QTest::newRow("none") << 1.5 << 0.0;
    }

    // The law gives back the two numbers it is fitted to, and the index
    // falls with the wavelength.
    void cauchy() {
        QFETCH(double, nD);
        QFETCH(double, dispersion);
        const CauchyIndex index(nD, dispersion);
        QVERIFY(std::abs(index.at(589.3) - nD) < 1e-12);
        QVERIFY(std::abs(index.at(430.8) - index.at(686.7) - dispersion) < 1e-12);
        QVERIFY(index.at(400) >= index.at(700));
    }

    // Straight at a lamp of the 50º ring, 22.5º round: the lamp; 2º off it,
    // the dark dome; under the horizon and within the head, nothing.
    void lamps() {
        const Spotlights lights({0, 0, 1}, {1, 0, 0}, {0, 1, 0}, 15);
        const Vec3 eye{0, 0, 1};
        QCOMPARE(lights.radiance(skyDirection(50, 22.5), eye), lampRadiance);
        QCOMPARE(lights.radiance(skyDirection(52, 22.5), eye), domeRadiance);
        QCOMPARE(lights.radiance(skyDirection(50, 0), eye), domeRadiance);
        QCOMPARE(lights.radiance(skyDirection(-10, 0), eye), 0.0);
        QCOMPARE(lights.radiance(skyDirection(80, 0), eye), 0.0);
    }

    // The stone and the lamps both repeat every 45º: a view tilted about one
    // main sees the fire of a view tilted about the next, and the same for
    // the stars; a main's view and a star's differ, the lamps then turned
    // half a step over the stone.
    void fireRepeatsEveryMain() {
        const NamedCut cut = classicCuts()[0];
        const ConvexBody body(buildBrilliant(cut.proportions, cut.choices));
        const ViewSettings settings{2.417, 15, 100, 25, 0.044};
        const auto fireAt = [&](double azimuth) {
            return traceColourView(body, settings, {15, azimuth}).fire;
        };
        QCOMPARE(fireAt(45), fireAt(0));
        QCOMPARE(fireAt(67.5), fireAt(22.5));
        QVERIFY(fireAt(22.5) != fireAt(0));
    }

    // One cut in diamond's index: without dispersion every wavelength takes
    // one path and nothing flashes colour; the more the dispersion, quartz's,
    // sapphire's, diamond's, cubic zirconia's, the more fire.
    void fireGrowsWithDispersion() {
        const NamedCut cut = classicCuts()[2];
        const ConvexBody body(buildBrilliant(cut.proportions, cut.choices));
        double fire = -1;
        for (const double dispersion : {0.0, 0.013, 0.018, 0.044, 0.060}) {
            const ColourView view = traceColourView(body, {2.417, 15, 100, 25, dispersion}, {});
            QVERIFY2(dispersion == 0 ? view.fire == 0 : view.fire > fire,
                     qPrintable(QString::number(view.fire)));
            fire = view.fire;
        }
    }
};

QTEST_APPLESS_MAIN(TestColour)
#include "tst_colour.moc"

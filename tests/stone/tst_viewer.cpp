#include "calc/Constants.h"
#include "calc/CutSolver.h"
#include "stone/CameraGrid.h"
#include "stone/LightTracer.h"
#include "stone/StoneDesign.h"

#include <QTest>
#include <cmath>

using namespace stone;

Q_DECLARE_METATYPE(Tilt)

namespace {

double degreesOf(double radians) {
    return radians * 180 / pi;
}

// A disc of glass 0.2 thick and 10 wide: wide enough for the light that
// wanders to its rim to be negligible.
constexpr double plateRadius = 5;
ConvexBody glassPlate() {
    return {{{{0, 0, 1}, 0.1}, {{0, 0, -1}, 0.1}}, plateRadius, -0.1, 0.1};
}

const ConvexBody diamond(buildBrilliant({0.55, 34.5, 41.0}, {3, 45, 80}));

}  // namespace

class TestViewer : public QObject {
    Q_OBJECT

private slots:
    void geometry_data() {
        QTest::addColumn<Tilt>("tilt");
        QTest::newRow("face up") << Tilt{0, 0};
        QTest::newRow("tilted") << Tilt{20, 22.5};
    }

    // An eye 25 cm from a stone 10 mm wide stands 25 D from its centre: each
    // camera ray leaves the eye and crosses the plane through the centre,
    // square to the line of sight, at r from the axis, at atan(r / 25) from
    // it; the grid reaches past the girdle, 1.15º out, and the centre's ray
    // is the axis itself.
    void geometry() {
        QFETCH(Tilt, tilt);
        constexpr double eye = 250.0 / 10;
        const CameraGrid grid(diamond, tilt, 60, eye);
        const Vec3 centre{0, 0, (diamond.zLow() + diamond.zHigh()) / 2};
        double widest = 0, nearestAxis = 90;
        for (int row = 0; row < grid.rows(); ++row) {
            for (int column = 0; column < grid.columns(); ++column) {
                const CameraRay ray = grid.ray(column, row);
                QVERIFY(length(ray.origin - (centre + eye * grid.zenith())) < 1e-12);
                const double along = -dot(ray.direction, grid.zenith());
                const Vec3 crossing = ray.origin + (eye / along) * ray.direction;
                const double r = length(crossing - centre);
                const double angle = degreesOf(std::acos(std::min(1.0, along)));
                QVERIFY(std::abs(angle - degreesOf(std::atan(r / eye))) < 1e-9);
                widest = std::max(widest, angle);
                nearestAxis = std::min(nearestAxis, angle);
            }
        }
        QVERIFY(widest > degreesOf(std::atan(0.5 / eye)));
        QVERIFY(widest < 2 * degreesOf(std::atan(0.5 / eye)));
        // The cells are 1/60 D wide: one lies within a cell of the axis.
        QVERIFY(nearestAxis < degreesOf(1.0 / 60 / eye));
    }

    // Seen from 100 over a plate, a ray at θ from the axis comes back, off
    // the bottom face, at 2θ from its own line of sight: a head hiding 4º
    // about each line of sight hides the rays within 2º of the axis, those
    // that meet the top face within (100 - 0.1) tan 2º of its centre. (A head
    // about the zenith would hide every ray.)
    void headFollowsEachLineOfSight() {
        constexpr double eye = 100, head = 4;
        const ViewTrace view = traceView(glassPlate(), {1.5, head, 200, eye}, {});
        const LightShares &light = view.figures;
        const double returned =
            light.bands[lowBand] + light.bands[middleBand] + light.bands[highBand];
        const double hiddenReach = (eye - 0.1) * std::tan(head / 2 * pi / 180);
        QVERIFY2(std::abs(light.head / returned - std::pow(hiddenReach / plateRadius, 2)) < 0.01,
                 qPrintable(QString::number(light.head / returned)));
    }

    // With the eye at infinity the width does not matter; from 25 cm it does.
    void widthMattersOnlyNearby() {
        StoneDesign small = designOf(solveCut(2.417, 0), 10, nearestGemMaterial(2.417));
        StoneDesign large = small;
        large.D = 20;
        QVERIFY(!sameLight(small, large));
        QVERIFY(viewSettingsOf(small, 80).eyeDistance == 2 * viewSettingsOf(large, 80).eyeDistance);
        small.viewer.eyeDistanceCm = large.viewer.eyeDistanceCm = 0;
        QVERIFY(sameLight(small, large));
        QCOMPARE(viewSettingsOf(small, 80).eyeDistance, 0.0);
    }
};

QTEST_APPLESS_MAIN(TestViewer)
#include "tst_viewer.moc"

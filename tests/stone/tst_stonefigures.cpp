#include "stone/CutFigures.h"
#include "stone/LightMap.h"
#include "stone/StoneView.h"

#include <QTest>
#include <algorithm>

using namespace stone;

namespace {

const Brilliant classic = buildBrilliant({0.53, 34.5, 40.75}, {2, 50, 80});

// The view's half extents across and up.
QPointF halfExtents(const StoneView &view) {
    QPointF extents;
    for (const ShadedFace &face : view.faces) {
        for (const Vec3 &corner : face.outline)
            extents = {std::max(extents.x(), std::abs(corner.x)),
                       std::max(extents.y(), std::abs(corner.y))};
    }
    return extents;
}

CutLight lightOf(std::vector<std::pair<Tilt, LightShares>> views) {
    CutLight light;
    for (const auto &[tilt, figures] : views)
        light.views.push_back({tilt, 1, 1, figures, 1, {}});
    return light;
}

}  // namespace

class TestStoneFigures : public QObject {
    Q_OBJECT

private slots:
    void turns_data() {
        QTest::addColumn<double>("spin");
        QTest::addColumn<double>("tilt");
        QTest::addColumn<int>("faces");
        QTest::addColumn<double>("halfHeight");
        // Face up and face down, only crown or pavilion facets look at the viewer.
        QTest::newRow("face up") << 0.0 << 0.0 << 33 << 0.5;
        QTest::newRow("face down") << 45.0 << 180.0 << 24 << 0.5;
        // In profile, the stone stands as high as it is deep; half of each
        // tier but the table looks at the viewer, and half the girdle's strips.
        QTest::newRow("profile") << 10.0 << 90.0 << 16 + 12 + 48 << classic.totalDepth / 2;
    }

    void turns() {
        QFETCH(double, spin);
        QFETCH(double, tilt);
        QFETCH(int, faces);
        QFETCH(double, halfHeight);
        const StoneView view = viewStone(classic, {spin, tilt});
        QCOMPARE(int(view.faces.size()), faces);
        QVERIFY(std::abs(halfExtents(view).y() - halfHeight) < 2e-3);
        QVERIFY(std::abs(halfExtents(view).x() - 0.5) < 2e-3);
    }

    // Each band in its own colour; what the head hides in grey, apart from
    // every band and from the black of light lost.
    void colours_data() {
        QTest::addColumn<double>("head");
        QTest::addColumn<double>("red");
        QTest::addColumn<double>("green");
        QTest::addColumn<double>("blue");
        QTest::newRow("nothing hidden") << 0.0 << 0.3 << 0.2 << 0.4;
        // The head's cone stands about the zenith: it hides the high band first.
        QTest::newRow("the head takes from the high band") << 0.1 << 0.3 << 0.2 << 0.3;
        QTest::newRow("then from the middle one") << 0.6 << 0.1 << 0.2 << 0.0;
    }

    void colours() {
        QFETCH(double, head);
        QFETCH(double, red);
        QFETCH(double, green);
        QFETCH(double, blue);
        LightShares light;
        light.bands = {0.2, 0.3, 0.4};
        light.head = head;
        const MapColour colour = mapColour(light);
        // The grey of the head adds alike to every channel.
        const double grey = colour.green - green;
        QVERIFY(head == 0 ? grey == 0 : grey > 0.25 * head);
        QVERIFY(std::abs(colour.red - grey - red) < 1e-12);
        QVERIFY(std::abs(colour.blue - grey - blue) < 1e-12);
    }

    // Seen from above, the grid's first row lies nearest the viewer, at the bottom.
    void mapRows() {
        ViewTrace view;
        view.columns = 3;
        view.rows = 2;
        view.samples.push_back({1, 0, {}});
        const LightMap map = lightMap(view);
        QVERIFY(map.cells[4].has_value());
        QCOMPARE(std::count_if(map.cells.begin(), map.cells.end(), [](auto &c) { return bool(c); }),
                 1);
    }

    // Light that leaves a flat plate straight up goes into the viewer's head.
    void headHidesTheZenith() {
        const ConvexBody plate({{{0, 0, 1}, 0.1}, {{0, 0, -1}, 0.1}}, 0.5, -0.1, 0.1);
        const LightShares light = traceView(plate, {1.5, 15, 20}, {}).figures;
        QVERIFY(light.head > 0);
        QCOMPARE(light.head, light.bands[highBand]);
    }

    void curveAveragesAzimuths() {
        const auto curve =
            tiltCurve(lightOf({{{0, 0}, {0.5}}, {{5, 0}, {0.4}}, {{5, 22.5}, {0.2}}}));
        QCOMPARE(int(curve.size()), 2);
        QCOMPARE(curve[1].tiltDeg, 5.0);
        QCOMPARE(curve[1].brightness, 0.3);
    }

    // Cuts rank by their brightness averaged over the tilts, not face up.
    void bestIsTheBrightestTilted() {
        std::vector<CutLight> cuts;
        for (const auto &[faceUp, tilted] : {std::pair{0.5, 0.5}, {0.7, 0.3}, {0.45, 0.6}})
            cuts.push_back(lightOf({{{0, 0}, {faceUp}}, {{10, 0}, {tilted}}}));
        QCOMPARE(int(bestCut(cuts)), 2);
        const std::vector<FigureColumn> columns = figureColumns();
        const auto ranking = std::count_if(columns.begin(), columns.end(),
                                           [](const FigureColumn &c) { return c.ranks; });
        QCOMPARE(ranking, 1);
    }
};

QTEST_APPLESS_MAIN(TestStoneFigures)
#include "tst_stonefigures.moc"

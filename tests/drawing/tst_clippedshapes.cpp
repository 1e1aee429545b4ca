#include "drawing/ClippedShapes.h"

#include <QTest>
#include <cfloat>

namespace {

const QRectF interior(-1, -1, 503, 343);

}  // namespace

class TestClippedShapes : public QObject {
    Q_OBJECT

private slots:
    void clipsLines_data() {
        QTest::addColumn<QPointF>("p1");
        QTest::addColumn<QPointF>("p2");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QLineF>("expected");

        QTest::newRow("inside") << QPointF(10, 20) << QPointF(30, 40) << true
                                << QLineF(10, 20, 30, 40);
        QTest::newRow("level, ends far away") << QPointF(-1e30, 133.3) << QPointF(1e30, 133.3)
                                              << true << QLineF(-1, 133.3, 502, 133.3);
        QTest::newRow("upright, ends at the float limits")
            << QPointF(100, -FLT_MAX) << QPointF(100, FLT_MAX) << true << QLineF(100, -1, 100, 342);
        QTest::newRow("diagonal through a corner")
            << QPointF(-10, -10) << QPointF(10, 10) << true << QLineF(-1, -1, 10, 10);
        QTest::newRow("wholly left") << QPointF(-50, 10) << QPointF(-20, 300) << false << QLineF();
        QTest::newRow("passes the corner outside")
            << QPointF(-30, 10) << QPointF(10, -30) << false << QLineF();
        QTest::newRow("infinite end")
            << QPointF(10, 10) << QPointF(qInf(), 10) << false << QLineF();
        QTest::newRow("end not a number")
            << QPointF(qQNaN(), 10) << QPointF(10, 10) << false << QLineF();
    }

    void clipsLines() {
        QFETCH(QPointF, p1);
        QFETCH(QPointF, p2);
        QFETCH(bool, visible);
        QFETCH(QLineF, expected);
        const std::optional<QLineF> clipped = clipLine(p1, p2, interior);
        QCOMPARE(bool(clipped), visible);
        if (visible) {
            QVERIFY(qAbs(clipped->x1() - expected.x1()) < 1e-9);
            QVERIFY(qAbs(clipped->y1() - expected.y1()) < 1e-9);
            QVERIFY(qAbs(clipped->x2() - expected.x2()) < 1e-9);
            QVERIFY(qAbs(clipped->y2() - expected.y2()) < 1e-9);
        }
    }

    void sweepsCounterclockwise_data() {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<double>("sweep");
        QTest::newRow("forwards") << 0.5 << 2.0 << 1.5;
        QTest::newRow("through angle 0") << 6.0 << 0.8 << 0.8 + fullTurn - 6.0;
        QTest::newRow("full turn") << 0.0 << fullTurn << fullTurn;
        QTest::newRow("no turn") << 1.0 << 1.0 << 0.0;
    }

    void sweepsCounterclockwise() {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(double, sweep);
        QCOMPARE(counterclockwiseSweep(start, end), sweep);
    }

    void arcThroughAngleZero() {
        // Centre inside, radius 40: from 6.0 through 0 to 0.8 radians.
        const QList<QPolygonF> pieces =
            clipArc(QPointF(200, 133), 40, 6.0, 0.8 + fullTurn - 6.0, interior);
        QCOMPARE(pieces.size(), 1);
        const QPolygonF &arc = pieces.first();
        QVERIFY(arc.first().y() > 133);  // starts below the centre
        QVERIFY(arc.last().y() < 133);   // ends above it
        for (const QPointF &point : arc)
            QVERIFY(point.x() > 200);  // never on the side of angle pi
    }

    void arcsKeepOnlyTheirVisibleParts_data() {
        QTest::addColumn<QPointF>("centre");
        QTest::addColumn<double>("radius");
        QTest::addColumn<int>("pieces");
        QTest::newRow("whole circle inside") << QPointF(250, 170) << 50.0 << 1;
        QTest::newRow("encloses the interior") << QPointF(250, 170) << 1000.0 << 0;
        QTest::newRow("far away") << QPointF(1e6, 1e6) << 50.0 << 0;
        QTest::newRow("crosses the top edge") << QPointF(250, -10) << 50.0 << 1;
        QTest::newRow("huge radius touching from below") << QPointF(250, 1e6 + 300) << 1e6 << 1;
        QTest::newRow("radius beyond the limit") << QPointF(250, 1e9 + 300) << 1e9 << 0;
        QTest::newRow("radius not finite") << QPointF(250, 170) << qInf() << 0;
        QTest::newRow("negative radius") << QPointF(250, 170) << -50.0 << 0;
    }

    void arcsKeepOnlyTheirVisibleParts() {
        QFETCH(QPointF, centre);
        QFETCH(double, radius);
        QFETCH(int, pieces);
        const QList<QPolygonF> arcs = clipArc(centre, radius, 0, fullTurn, interior);
        QCOMPARE(arcs.size(), pieces);
        const QRectF margin = interior.adjusted(-2, -2, 2, 2);
        for (const QPolygonF &arc : arcs) {
            // Points about a pixel apart along the visible part only.
            QVERIFY(arc.size() < 4000);
            for (const QPointF &point : arc)
                QVERIFY(margin.contains(point));
        }
    }
};

QTEST_APPLESS_MAIN(TestClippedShapes)
#include "tst_clippedshapes.moc"

#include "RecordedCalls.h"
#include "calc/Constants.h"
#include "calc/CutSolver.h"
#include "drawing/Pacer.h"
#include "drawing/RayTrace.h"

#include <QTest>
#include <memory>

namespace {

CutResult preset(double IR, double epsDegrees) {
    return solveCut(IR, epsDegrees * pi / 180);
}

// Notes how many primitives the canvas holds at each pause.
class CountingPacer final : public Pacer {
public:
    explicit CountingPacer(const RecordingCanvas &canvas) : m_canvas(canvas) {}
    void pause() override { callsAtPause.append(m_canvas.calls().size()); }
    QList<qsizetype> callsAtPause;

private:
    const RecordingCanvas &m_canvas;
};

struct Trace {
    RecordingCanvas canvas;
    CountingPacer pacer{canvas};
};

QList<CanvasCall> segmentsOfRay(const RecordingCanvas &canvas, int ray) {
    return canvas.calls().mid(5 * ray, 5);
}

}  // namespace

class TestRayTrace : public QObject {
    Q_OBJECT

private slots:
    void entryPoints_data() {
        QTest::addColumn<double>("bRatio");
        QTest::addColumn<int>("rays");
        QTest::addColumn<double>("lastEntry");

        QTest::newRow("diamond preset") << preset(2.419, 10).bRatio << 13 << 793.38;
        QTest::newRow("quartz preset") << preset(1.54, 12).bRatio << 13 << 780.15;
        QTest::newRow("1.005 / 22: leftwards") << preset(1.005, 22).bRatio << 12 << 41.46;
        // Short steps: the bound, reached before the cap, ends the fan.
        QTest::newRow("bRatio 0.001") << 0.001 << 17 << 104.0;
        // A step this short would give thousands of rays.
        QTest::newRow("1.001 / 5.0948: capped") << preset(1.001, 5.0948).bRatio << maxRays << -1.0;
        // Here the entry point stops moving: the loop as written never ends.
        QTest::newRow("1.001 / 5.094863119: capped")
            << preset(1.001, 5.094863119).bRatio << maxRays << -1.0;
        QTest::newRow("step lost in rounding") << 1e-18 << 1 << 100.0;
        QTest::newRow("infinite step") << qInf() << 0 << -1.0;
        QTest::newRow("step not a number") << qQNaN() << 0 << -1.0;
    }

    void entryPoints() {
        QFETCH(double, bRatio);
        QFETCH(int, rays);
        QFETCH(double, lastEntry);
        const QList<double> entries = rayEntryPoints(bRatio);
        QCOMPARE(entries.size(), rays);
        if (rays > 0)
            QCOMPARE(entries.first(), 100.0);
        if (lastEntry >= 0)
            QVERIFY2(near(entries.last(), lastEntry, 0.01),
                     qPrintable(QString::number(entries.last())));
    }

    void entryPointsAddTheStepRepeatedly() {
        const double bRatio = preset(2.419, 10).bRatio;
        const double step = 3000 * bRatio / 12;
        double expected = 100;
        for (const double entry : rayEntryPoints(bRatio)) {
            QCOMPARE(entry, expected);
            expected += step;
        }
    }

    void everySegmentIsFollowedByItsPause() {
        Trace trace;
        traceRays(trace.canvas, preset(2.419, 10), trace.pacer);
        const QList<CanvasCall> &calls = trace.canvas.calls();
        QCOMPARE(calls.size(), 13 * 5);
        QCOMPARE(trace.canvas.callsNamed(QStringLiteral("DrawLine")).size(), 65);
        QList<qsizetype> oneLineBeforeEachPause;
        for (qsizetype segment = 1; segment <= 65; ++segment)
            oneLineBeforeEachPause.append(segment);
        QCOMPARE(trace.pacer.callsAtPause, oneLineBeforeEachPause);
    }

    void diamondSeventhRay() {
        Trace trace;
        traceRays(trace.canvas, preset(2.419, 10), trace.pacer);
        const QList<CanvasCall> ray = segmentsOfRay(trace.canvas, 6);
        const QList<QPointF> path{
            {446.7, 1757.8}, {762.5, 2570.2}, {2090.4, 2869.0}, {1993.0, 1515.6}, {1778.6, 300}};
        QVERIFY(near(lineStart(ray[0]), QPointF(446.69, 200), 0.01));
        for (int segment = 0; segment < 5; ++segment) {
            const std::unique_ptr<char[]> call(QTest::toString(ray[segment]));
            QVERIFY2(near(lineEnd(ray[segment]), path[segment], 0.1), call.get());
            if (segment > 0)
                QCOMPARE(lineStart(ray[segment]), lineEnd(ray[segment - 1]));
        }
    }

    void firstRayTurnsAtTheGirdleCorner() {
        Trace trace;
        const CutResult cut = preset(2.419, 10);
        traceRays(trace.canvas, cut, trace.pacer);
        const QList<CanvasCall> ray = segmentsOfRay(trace.canvas, 0);
        QVERIFY(near(lineEnd(ray[0]), QPointF(100, 2000), 1e-3));
        // Both lines of the second stage pass through the corner.
        QVERIFY(near(lineStart(ray[1]), lineEnd(ray[1]), 1e-3));
        QVERIFY(near(lineStart(ray[2]), QPointF(100, 2000), 1e-3));
    }

    void lastRayMeetsTheTableEdge() {
        Trace trace;
        const CutResult cut = preset(2.419, 10);
        traceRays(trace.canvas, cut, trace.pacer);
        const QList<CanvasCall> ray = segmentsOfRay(trace.canvas, 12);
        QVERIFY(near(lineEnd(ray[0]), QPointF(100 + 3000 * cut.bRatio, 2000 - 3000 * cut.qRatio),
                     0.01));
    }

    void verticalExitForEpsilonZero() {
        Trace trace;
        traceRays(trace.canvas, preset(2.42, 0), trace.pacer);
        for (int rayIndex = 0; rayIndex < 13; ++rayIndex) {
            const QList<CanvasCall> ray = segmentsOfRay(trace.canvas, rayIndex);
            QVERIFY(near(lineStart(ray[3]).x(), lineEnd(ray[3]).x(), 1e-3));
            QVERIFY(near(lineStart(ray[4]).x(), lineEnd(ray[4]).x(), 1e-3));
            QCOMPARE(lineEnd(ray[4]).y(), 300.0);
        }
    }

    void leftwardFanForANegativeCrown() {
        Trace trace;
        traceRays(trace.canvas, preset(1.005, 22), trace.pacer);
        const QList<CanvasCall> lines = trace.canvas.calls();
        QCOMPARE(lines.size(), 12 * 5);
        QCOMPARE(lineStart(lines[0]), QPointF(100, 200));
        QVERIFY(near(lineStart(lines[5]).x(), 94.68, 0.01));
    }

    void boundedFanForATinyCrownFacet_data() {
        QTest::addColumn<double>("epsDegrees");
        QTest::newRow("5.0948") << 5.0948;
        QTest::newRow("5.094863119") << 5.094863119;
    }

    void boundedFanForATinyCrownFacet() {
        QFETCH(double, epsDegrees);
        Trace trace;
        traceRays(trace.canvas, preset(1.001, epsDegrees), trace.pacer);
        QVERIFY(trace.canvas.calls().size() <= 5 * maxRays);
        QCOMPARE(trace.pacer.callsAtPause.size(), trace.canvas.calls().size());
    }

    void parallelLinesDrawNothing_data() {
        QTest::addColumn<TraceStage>("stage");
        QTest::newRow("both horizontal") << TraceStage{10, 200, 0, 0, 300, 0};
        QTest::newRow("same slope") << TraceStage{10, 200, 0.7, 100, 2000, 0.7};
        QTest::newRow("same line") << TraceStage{100, 2000, 0.7, 100, 2000, 0.7};
        QTest::newRow("start not a number") << TraceStage{qQNaN(), 200, 1.0, 100, 2000, 0.7};
    }

    void parallelLinesDrawNothing() {
        QFETCH(TraceStage, stage);
        Trace trace;
        QVERIFY(!traceSegment(trace.canvas, stage, trace.pacer));
        QVERIFY(trace.canvas.calls().isEmpty());
        QVERIFY(trace.pacer.callsAtPause.isEmpty());
    }

    void segmentMeetsItsTargetLine() {
        Trace trace;
        // Straight down from (500, 200) onto the line y = 2000 - (x - 100).
        const std::optional<SegmentEnd> end = traceSegment(
            trace.canvas, TraceStage{500, 200, 90 * pi / 180, 100, 2000, pi / 4}, trace.pacer);
        QVERIFY(end);
        QVERIFY(near(end->mFacet, -1, 1e-12));
        QVERIFY(near(end->hitX, 500, 1e-9));
        QVERIFY(near(end->hitY, 1600, 1e-9));
        QCOMPARE(trace.canvas.calls().size(), 1);
        QCOMPARE(trace.pacer.callsAtPause, QList<qsizetype>{1});
    }
};

QTEST_APPLESS_MAIN(TestRayTrace)
#include "tst_raytrace.moc"

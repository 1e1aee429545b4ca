#include "tests/support/RecordingCanvas.h"

#include <QTest>
#include <functional>

// The pen position that every primitive leaves behind, and the calls kept in
// order with their arguments.
class TestRecordingCanvas : public QObject {
    Q_OBJECT

private slots:
    void penAfterEachPrimitive_data() {
        QTest::addColumn<std::function<void(Canvas &)>>("primitive");
        QTest::addColumn<QPointF>("pen");

        using Draw = std::function<void(Canvas &)>;
        QTest::newRow("Clear") << Draw([](Canvas &c) { c.Clear(); }) << QPointF(0, 0);
        QTest::newRow("DrawLine") << Draw([](Canvas &c) { c.DrawLine(1, 2, 30, 40); })
                                  << QPointF(30, 40);
        QTest::newRow("DrawLineBy")
            << Draw([](Canvas &c) { c.DrawLineBy(10, 20, 5, -7); }) << QPointF(15, 13);
        QTest::newRow("ContinueLineBy")
            << Draw([](Canvas &c) { c.ContinueLineBy(-4, 6); }) << QPointF(96, 206);
        QTest::newRow("DrawCircle")
            << Draw([](Canvas &c) { c.DrawCircle(7, 8, 20); }) << QPointF(7, 8);
        QTest::newRow("DrawArc") << Draw([](Canvas &c) { c.DrawArc(9, 10, 600, 1, 5.5f, 0.9f); })
                                 << QPointF(9, 10);
        QTest::newRow("SetPosition")
            << Draw([](Canvas &c) { c.SetPosition(11, 12); }) << QPointF(11, 12);
        QTest::newRow("PrintLine: x = 0, one line down")
            << Draw([](Canvas &c) { c.PrintLine(QStringLiteral("IR")); }) << QPointF(0, 410);
        QTest::newRow("PrintLine of nothing only moves")
            << Draw([](Canvas &c) { c.PrintLine(QString()); }) << QPointF(0, 410);
    }

    void penAfterEachPrimitive() {
        QFETCH(std::function<void(Canvas &)>, primitive);
        QFETCH(QPointF, pen);
        RecordingCanvas canvas(210);
        canvas.SetPosition(100, 200);
        primitive(canvas);
        QCOMPARE(canvas.pen(), pen);
    }

    void continueAfterClearStartsAtTheCorner() {
        RecordingCanvas canvas;
        canvas.SetPosition(500, 500);
        canvas.Clear();
        canvas.ContinueLineBy(30, 40);
        QCOMPARE(canvas.pen(), QPointF(30, 40));
    }

    void printLinesStackAtTheLineHeight() {
        RecordingCanvas canvas(195);
        canvas.SetPosition(300, 1000);
        canvas.PrintLine(QStringLiteral("first"));
        canvas.PrintLine(QStringLiteral("second"));
        const QList<CanvasCall> prints = canvas.callsNamed(QStringLiteral("PrintLine"));
        QCOMPARE(prints.size(), 2);
        // Each line is recorded where it starts: the second one at x = 0.
        QCOMPARE(prints[0].args, (QList<double>{300, 1000}));
        QCOMPARE(prints[1].args, (QList<double>{0, 1195}));
        QCOMPARE(prints[1].text, QStringLiteral("second"));
        QCOMPARE(canvas.pen(), QPointF(0, 1390));
    }

    void callsKeptInOrderWithArguments() {
        RecordingCanvas canvas;
        canvas.Clear();
        canvas.DrawLineBy(100, 2000, 3000, 0);
        canvas.DrawArc(2200, 2000, 600, 1, 6.0f, 0.8f);
        canvas.PrintLine(QStringLiteral("i º"));
        const QList<CanvasCall> expected{
            {QStringLiteral("Clear"), {}, {}},
            {QStringLiteral("DrawLineBy"), {100, 2000, 3000, 0}, {}},
            {QStringLiteral("DrawArc"), {2200, 2000, 600, 1, 6.0f, 0.8f}, {}},
            {QStringLiteral("PrintLine"), {2200, 2000}, QStringLiteral("i º")},
        };
        QCOMPARE(canvas.calls(), expected);
        canvas.forget();
        QVERIFY(canvas.calls().isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestRecordingCanvas)
#include "tst_recordingcanvas.moc"

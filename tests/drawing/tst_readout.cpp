#include "calc/Constants.h"
#include "calc/CutSolver.h"
#include "drawing/ReadOut.h"
#include "tests/support/RecordingCanvas.h"

#include <QTest>

namespace {

// The printed lines sorted from top to bottom of the canvas.
QStringList linesTopToBottom(const RecordingCanvas &canvas) {
    QList<CanvasCall> prints = canvas.callsNamed(QStringLiteral("PrintLine"));
    std::stable_sort(prints.begin(), prints.end(), [](const CanvasCall &a, const CanvasCall &b) {
        return a.args[1] < b.args[1];
    });
    QStringList lines;
    for (const CanvasCall &call : prints)
        lines.append(call.text);
    return lines;
}

}  // namespace

class TestReadOut : public QObject {
    Q_OBJECT

private slots:
    void writesEightLinesInOrder() {
        RecordingCanvas canvas;
        printResults(canvas, 10, solveCut(2.42, 0));
        const QList<CanvasCall> &calls = canvas.calls();
        QCOMPARE(calls.size(), 16);
        const QList<double> ys{1200, 1400, 400, 600, 1000, 1800, 2000, 2200};
        const QStringList labels{"     a = ", "     b = ", "     i = ", "alfa = ",
                                 "     D = ", "     H = ", "     q = ", "     n = "};
        for (int line = 0; line < 8; ++line) {
            QCOMPARE(calls[2 * line].op, QStringLiteral("SetPosition"));
            QCOMPARE(calls[2 * line].args, (QList<double>{100, ys[line]}));
            QCOMPARE(calls[2 * line + 1].op, QStringLiteral("PrintLine"));
            QVERIFY(calls[2 * line + 1].text.startsWith(labels[line]));
        }
    }

    void texts_data() {
        QTest::addColumn<double>("IR");
        QTest::addColumn<double>("D");
        QTest::addColumn<double>("eps");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("2.42 / 10 / 0")
            << 2.42 << 10.0 << 0.0
            << QStringList{"     i =  41.13 º",   "alfa =  38.65 º",     "     D =  10  mm.",
                           "     a =  5.609 mm.", "     b =  2.195 mm.", "     H =  5.917",
                           "     q =  1.917",     "     n =  3.999"};
        QTest::newRow("2.419 / 1 / 10")
            << 2.419 << 1.0 << 10.0
            << QStringList{"     i =  34.93 º",   "alfa =  40.71 º",     "     D =  1  mm.",
                           "     a =  .5377 mm.", "     b =  .2311 mm.", "     H =  .5918",
                           "     q =  .1614",     "     n =  .4303"};
        QTest::newRow("1.54 / 10 / 12")
            << 1.54 << 10.0 << 12.0
            << QStringList{"     i =  40.13 º",   "alfa =  43.09 º",     "     D =  10  mm.",
                           "     a =  5.465 mm.", "     b =  2.267 mm.", "     H =  6.589",
                           "     q =  1.911",     "     n =  4.677"};
        QTest::newRow("1.005 / 10 / 22")
            << 1.005 << 10.0 << 22.0
            << QStringList{"     i =  82.55 º",   "alfa =  45.29 º",     "     D =  10  mm.",
                           "     a =  10.42 mm.", "     b = -.2128 mm.", "     H =  3.423",
                           "     q = -1.628",     "     n =  5.052"};
    }

    void texts() {
        QFETCH(double, IR);
        QFETCH(double, D);
        QFETCH(double, eps);
        QFETCH(QStringList, lines);
        const CutResult cut = solveCut(IR, eps * pi / 180);
        RecordingCanvas canvas;
        printResults(canvas, D, cut);
        QCOMPARE(linesTopToBottom(canvas), lines);
        QCOMPARE(readOutTopToBottom(D, cut), lines);
    }

    // Results of 100 or more keep a single decimal in their six characters.
    void largeResultsKeepOneDecimal() {
        RecordingCanvas canvas;
        printResults(canvas, 10, solveCut(1.001, 0));
        const QStringList lines = linesTopToBottom(canvas);
        QVERIFY(lines.contains(QStringLiteral("     q =  382.9")));
        QVERIFY(lines.contains(QStringLiteral("     H =  387.8")));
    }

    void degreeMarkIsTheOrdinalIndicator() {
        RecordingCanvas canvas;
        printResults(canvas, 10, solveCut(2.42, 0));
        const QString angleLine = canvas.callsNamed(QStringLiteral("PrintLine"))[2].text;
        QCOMPARE(angleLine.back(), QChar(0x00BA));
    }
};

QTEST_APPLESS_MAIN(TestReadOut)
#include "tst_readout.moc"

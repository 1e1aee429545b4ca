#include "calc/Constants.h"
#include "calc/CutSolver.h"

#include <QTest>
#include <cmath>

namespace {

double radians(double degrees) {
    return degrees * pi / 180;
}

// True when value rounds to expected at the number of decimals given.
bool agrees(double value, double expected, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) == std::round(expected * scale);
}

}  // namespace

class TestCutSolver : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data() {
        QTest::addColumn<double>("IR");
        QTest::addColumn<double>("eps");
        QTest::addColumn<int>("passes");
        QTest::addColumn<QList<double>>("expected");  // x, critAngle, epsIn, i, alfa
        QTest::addColumn<QList<double>>("ratios");    // a, b, q, n

        QTest::newRow("2.42 / 0") << 2.42 << 0.0 << 13
                                  << QList<double>{0.2195124, 24.4075, 0, 41.1338, 38.6598}
                                  << QList<double>{0.560975, 0.219512, 0.191721, 0.400000};
        QTest::newRow("2.419 / 10")
            << 2.419 << 10.0 << 15 << QList<double>{0.2195053, 24.4182, 4.1165, 34.9380, 40.7183}
            << QList<double>{0.537748, 0.231126, 0.161464, 0.430345};
        QTest::newRow("1.54 / 12")
            << 1.54 << 12.0 << 13 << QList<double>{0.2006667, 40.4927, 7.7591, 40.1392, 43.0916}
            << QList<double>{0.546569, 0.226716, 0.191177, 0.467753};
        QTest::newRow("1.54 / 0") << 1.54 << 0.0 << 13
                                  << QList<double>{0.2006667, 40.4927, 0, 55.5102, 39.2120}
                                  << QList<double>{0.598667, 0.200667, 0.292084, 0.407965};
        QTest::newRow("1.5 / 0") << 1.5 << 0.0 << 12
                                 << QList<double>{0.1986270, 41.8103, 0, 56.8359, 39.2717}
                                 << QList<double>{0.602746, 0.198627, 0.303949, 0.408832};
    }

    void workedExamples() {
        QFETCH(double, IR);
        QFETCH(double, eps);
        QFETCH(int, passes);
        QFETCH(QList<double>, expected);
        QFETCH(QList<double>, ratios);

        SolverReport report;
        const CutResult r = solveCut(IR, radians(eps), &report);
        QVERIFY(report.matched);
        QCOMPARE(report.passes, passes);
        QCOMPARE(r.IR, IR);
        QCOMPARE(r.eps, radians(eps));
        QVERIFY2(agrees(r.x, expected[0], 7), qPrintable(QString::number(r.x, 'g', 17)));
        QVERIFY(agrees(degrees(r.critAngle), expected[1], 4));
        QVERIFY(agrees(degrees(r.epsIn), expected[2], 4));
        QVERIFY2(agrees(degrees(r.i), expected[3], 4), qPrintable(QString::number(degrees(r.i))));
        QVERIFY2(agrees(degrees(r.alfa), expected[4], 4),
                 qPrintable(QString::number(degrees(r.alfa))));
        QVERIFY(agrees(r.aRatio, ratios[0], 6));
        QVERIFY(agrees(r.bRatio, ratios[1], 6));
        QVERIFY(agrees(r.qRatio, ratios[2], 6));
        QVERIFY(agrees(r.nRatio, ratios[3], 6));
        QCOMPARE(r.beta, arcsine(r.x));
        QCOMPARE(r.aRatio, 1 - 2 * r.bRatio);
    }

    void proportionDependsOnIrOnly() {
        QCOMPARE(solveCut(1.54, 0).x, solveCut(1.54, radians(12)).x);
    }

    void nearlyOneIsMatchedQuickly() {
        SolverReport report;
        const CutResult r = solveCut(1.001, 0, &report);
        QVERIFY(report.matched);
        QCOMPARE(report.passes, 5);
        QVERIFY(degrees(r.i) > 89 && degrees(r.i) < 90);
        QVERIFY(agrees(r.qRatio, 38.3, 1));
    }

    void crownBelowGirdleIsReturnedAsComputed() {
        const CutResult r = solveCut(1.005, radians(22));
        QVERIFY(agrees(r.bRatio, -0.0213, 4));
        QVERIFY(agrees(r.aRatio, 1.0426, 4));
        QVERIFY(agrees(r.qRatio, -0.1628, 4));
        QVERIFY(agrees(degrees(r.i), 82.55, 2));
        QVERIFY(agrees(degrees(r.alfa), 45.30, 2));
    }

    // An IR that the rounded trial value can never equal ends the search
    // instead of looping for ever.
    void unmatchedIndexEndsTheSearch_data() {
        QTest::addColumn<double>("IR");
        QTest::newRow("four decimals") << 1.5005;
        QTest::newRow("2.4175") << 2.4175;
        QTest::newRow("below 1.0005") << 1.0004;
        QTest::newRow("beyond the bracket") << 3e6;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    }

    void unmatchedIndexEndsTheSearch() {
        QFETCH(double, IR);
        SolverReport report;
        solveCut(IR, 0, &report);
        QVERIFY(!report.matched);
        QVERIFY(report.passes > 13);
        QVERIFY(report.passes <= 200);
    }

    // The largest three-decimal indices need over 50 passes, and the search
    // must run them all; an unmatchable one ends when the bracket stops
    // narrowing, not at the pass limit.
    void searchRunsAsLongAsTheBracketNarrows_data() {
        QTest::addColumn<double>("IR");
        QTest::addColumn<bool>("matched");
        QTest::addColumn<int>("passes");
        QTest::newRow("699999") << 699999.0 << true << 52;
        QTest::newRow("517824") << 517824.0 << true << 53;
        QTest::newRow("1.5005") << 1.5005 << false << 53;
        QTest::newRow("2606887") << 2606887.0 << false << 53;
    }

    void searchRunsAsLongAsTheBracketNarrows() {
        QFETCH(double, IR);
        QFETCH(bool, matched);
        QFETCH(int, passes);
        SolverReport report;
        solveCut(IR, 0, &report);
        QCOMPARE(report.matched, matched);
        QCOMPARE(report.passes, passes);
    }

    void arcsineUsesTheArctangentForm() {
        QCOMPARE(arcsine(0.5), std::atan(0.5 / std::sqrt(-0.25 + 1)));
        QCOMPARE(criticalAngle(2.0), arcsine(0.5));
    }
};

QTEST_APPLESS_MAIN(TestCutSolver)
#include "tst_cutsolver.moc"

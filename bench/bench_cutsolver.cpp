#include "calc/Constants.h"
#include "calc/CutSolver.h"

#include <QTest>

// Times the cut solver for the diamond preset and for an IR it cannot match.
class BenchCutSolver : public QObject {
    Q_OBJECT

private slots:
    void solve_data() {
        QTest::addColumn<double>("IR");
        QTest::addColumn<double>("epsDegrees");
        QTest::newRow("diamond 2.419 / 10") << 2.419 << 10.0;
        QTest::newRow("unmatched 2.4175 / 10") << 2.4175 << 10.0;
    }

    void solve() {
        QFETCH(double, IR);
        QFETCH(double, epsDegrees);
        CutResult cut;
        QBENCHMARK {
            cut = solveCut(IR, epsDegrees * pi / 180);
        }
        QVERIFY(cut.alfa > 0);
    }
};

QTEST_APPLESS_MAIN(BenchCutSolver)
#include "bench_cutsolver.moc"

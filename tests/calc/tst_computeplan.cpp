#include "calc/ComputePlan.h"
#include "calc/Constants.h"
#include "calc/Messages.h"

#include <QTest>

namespace {

// Field readers over fixed texts that count how often each field is read.
struct FakeFields {
    QString ir, diameter, epsilon;
    int irReads = 0, diameterReads = 0, epsilonReads = 0;

    InputFields readers() {
        return {[this] { return ++irReads, ir; }, [this] { return ++diameterReads, diameter; },
                [this] { return ++epsilonReads, epsilon; }};
    }
};

}  // namespace

class TestComputePlan : public QObject {
    Q_OBJECT

private slots:
    void outcome_data() {
        QTest::addColumn<QString>("ir");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("epsilon");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("echo");  // empty: IR rejected, no echo
        QTest::addColumn<int>("fieldsRead");

        const QString none;
        QTest::newRow("IR empty") << ""
                                  << "10"
                                  << "10" << Messages::irTooSmall << none << 1;
        QTest::newRow("IR 0") << "0"
                              << "10"
                              << "10" << Messages::irTooSmall << none << 1;
        QTest::newRow("IR 1") << "1"
                              << "10"
                              << "10" << Messages::irTooSmall << none << 1;
        QTest::newRow("IR 1.000") << "1.000"
                                  << "10"
                                  << "10" << Messages::irTooSmall << none << 1;
        QTest::newRow("IR single blank after an open") << " "
                                                       << ""
                                                       << "" << Messages::irTooSmall << none << 1;
        QTest::newRow("IR 1.001") << "1.001"
                                  << "10"
                                  << "0" << QString() << "1.001" << 3;
        QTest::newRow("IR 2,42 reads 2") << "2,42"
                                         << "10"
                                         << "0" << QString() << "2" << 3;
        QTest::newRow("IR 2.420") << "2.420"
                                  << "10"
                                  << "0" << QString() << "2.42" << 3;
        QTest::newRow("IR 2.42abc") << "2.42abc"
                                    << "10"
                                    << "0" << QString() << "2.42" << 3;
        QTest::newRow("IR 2.4 2") << "2.4 2"
                                  << "1 0"
                                  << "0" << QString() << "2.42" << 3;
        QTest::newRow("D 0") << "2.42"
                             << "0"
                             << "x" << Messages::diameterTooSmall << "2.42" << 2;
        QTest::newRow("D -3") << "2.42"
                              << "-3"
                              << "" << Messages::diameterTooSmall << "2.42" << 2;
        QTest::newRow("D empty") << "2.42"
                                 << ""
                                 << "5" << Messages::diameterTooSmall << "2.42" << 2;
        QTest::newRow("crown 1.5/40") << "1.5"
                                      << "10"
                                      << "40" << Messages::negativeCrown << "1.5" << 3;
        QTest::newRow("crown before range 3/95") << "3"
                                                 << "10"
                                                 << "95" << Messages::negativeCrown << "3" << 3;
        QTest::newRow("range 4/95") << "4"
                                    << "10"
                                    << "95" << Messages::epsilonRange << "4" << 3;
        QTest::newRow("range 2.42/-5") << "2.42"
                                       << "10"
                                       << "-5" << Messages::epsilonRange << "2.42" << 3;
        QTest::newRow("range 4/89.5") << "4"
                                      << "10"
                                      << "89.5" << Messages::epsilonRange << "4" << 3;
        QTest::newRow("4/89 accepted") << "4"
                                       << "10"
                                       << "89" << QString() << "4" << 3;
        QTest::newRow("eps 0 accepted") << "2.42"
                                        << "10"
                                        << "0" << QString() << "2.42" << 3;
        QTest::newRow("eps empty accepted") << "2.42"
                                            << "10"
                                            << "" << QString() << "2.42" << 3;
        QTest::newRow("1.005/22 accepted") << "1.005"
                                           << "10"
                                           << "22" << QString() << "1.005" << 3;
        QTest::newRow("diamond") << "2.419"
                                 << "10"
                                 << "10" << QString() << "2.419" << 3;
        QTest::newRow("IR with four decimals") << "1.5005"
                                               << "10"
                                               << "10" << Messages::irUnmatched << "1.5005" << 3;
        QTest::newRow("IR just above 1") << "1.0004"
                                         << "10"
                                         << "0" << Messages::irUnmatched << "1.0004" << 3;
        QTest::newRow("IR beyond solvable") << "3000000"
                                            << "10"
                                            << "10" << Messages::irUnmatched << "3000000" << 3;
        QTest::newRow("IR infinite") << "1E400"
                                     << "10"
                                     << "10" << Messages::outOfScale << none << 1;
        QTest::newRow("D infinite") << "2.419"
                                    << "1E400"
                                    << "10" << Messages::outOfScale << "2.419" << 3;
        QTest::newRow("D overflowing the read-out") << "1.001"
                                                    << "1E308"
                                                    << "0" << Messages::outOfScale << "1.001" << 3;
        QTest::newRow("eps infinite") << "2.419"
                                      << "10"
                                      << "1E400" << Messages::negativeCrown << "2.419" << 3;
    }

    void outcome() {
        QFETCH(QString, ir);
        QFETCH(QString, diameter);
        QFETCH(QString, epsilon);
        QFETCH(QString, message);
        QFETCH(QString, echo);
        QFETCH(int, fieldsRead);

        FakeFields fields{ir, diameter, epsilon};
        const ComputePlan plan = planComputation(fields.readers(), QStringLiteral("."));
        QCOMPARE(plan.message, message);
        QCOMPARE(plan.succeeded(), message.isEmpty());
        QCOMPARE(plan.irAccepted, !echo.isEmpty());
        QCOMPARE(plan.irEcho, echo);
        QCOMPARE(fields.irReads, 1);
        QCOMPARE(fields.diameterReads, fieldsRead >= 2 ? 1 : 0);
        QCOMPARE(fields.epsilonReads, fieldsRead >= 3 ? 1 : 0);
    }

    void echoUsesTheGivenSeparator() {
        FakeFields fields{"2.42", "0", ""};
        QCOMPARE(planComputation(fields.readers(), QStringLiteral(",")).irEcho,
                 QStringLiteral("2,42"));
    }

    void successCarriesTheCut() {
        FakeFields fields{"2.419", "10", "10"};
        const ComputePlan plan = planComputation(fields.readers(), QStringLiteral("."));
        QVERIFY(plan.succeeded());
        QCOMPARE(plan.D, 10.0);
        QCOMPARE(plan.cut.IR, 2.419);
        QCOMPARE(plan.cut.eps, 10 * pi / 180);
        QCOMPARE(plan.solver.passes, 15);
        QVERIFY(plan.solver.matched);
    }

    // The messages must stay exactly as users know them.
    void messageTexts() {
        QCOMPARE(Messages::title, QStringLiteral("CUIDADO !!!"));
        QCOMPARE(Messages::epsilonRange,
                 QString::fromUtf8("\xC3\xA9psilon entre 0\xC2\xBA y 89\xC2\xBA "));
        QCOMPARE(Messages::diameterTooSmall, QString::fromUtf8("Di\xC3\xA1metro mayor que 0"));
    }

    void printableNeedsFiniteLengths() {
        CutResult cut;
        cut.bRatio = 0.2;
        QVERIFY(isPrintable(cut, 10));
        QVERIFY(!isPrintable(cut, std::numeric_limits<double>::infinity()));
        cut.qRatio = std::numeric_limits<double>::quiet_NaN();
        QVERIFY(!isPrintable(cut, 10));
    }
};

QTEST_APPLESS_MAIN(TestComputePlan)
#include "tst_computeplan.moc"

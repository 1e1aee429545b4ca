#include "calc/ComputePlan.h"
#include "calc/Constants.h"
#include "calc/Messages.h"

#include <QTest>

class TestComputePlan : public QObject {
    Q_OBJECT

private slots:
    void outcome_data() {
        QTest::addColumn<QStringList>("typed");  // IR, D, épsilon
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("echo");  // empty: IR rejected, no echo

        const QString none;
        const auto row = [](const char *name, const QStringList &typed, const QString &message,
                            const QString &echo) {
            QTest::newRow(name) << typed << message << echo;
        };
        row("IR empty", {"", "10", "10"}, Messages::irTooSmall(), none);
        row("IR 0", {"0", "10", "10"}, Messages::irTooSmall(), none);
        row("IR 1", {"1", "10", "10"}, Messages::irTooSmall(), none);
        row("IR 1.000", {"1.000", "10", "10"}, Messages::irTooSmall(), none);
        row("IR single blank after an open", {" ", "", ""}, Messages::irTooSmall(), none);
        row("IR 1.001", {"1.001", "10", "0"}, QString(), "1.001");
        row("IR 2,42 reads 2", {"2,42", "10", "0"}, QString(), "2");
        row("IR 2.420", {"2.420", "10", "0"}, QString(), "2.42");
        row("IR 2.42abc", {"2.42abc", "10", "0"}, QString(), "2.42");
        row("IR 2.4 2", {"2.4 2", "1 0", "0"}, QString(), "2.42");
        row("D 0", {"2.42", "0", "x"}, Messages::diameterTooSmall(), "2.42");
        row("D -3", {"2.42", "-3", ""}, Messages::diameterTooSmall(), "2.42");
        row("D empty", {"2.42", "", "5"}, Messages::diameterTooSmall(), "2.42");
        row("D before crown", {"1.5", "0", "40"}, Messages::diameterTooSmall(), "1.5");
        row("crown 1.5/40", {"1.5", "10", "40"}, Messages::negativeCrown(), "1.5");
        row("limit 1.5x23 = 34.5 met", {"1.5", "10", "34.5"}, QString(), "1.5");
        row("limit 1.5x23 passed", {"1.5", "10", "34.501"}, Messages::negativeCrown(), "1.5");
        row("crown before range 3/95", {"3", "10", "95"}, Messages::negativeCrown(), "3");
        row("range 4/95", {"4", "10", "95"}, Messages::epsilonRange(), "4");
        row("range 2.42/-5", {"2.42", "10", "-5"}, Messages::epsilonRange(), "2.42");
        row("range 4/89.5", {"4", "10", "89.5"}, Messages::epsilonRange(), "4");
        row("4/89 accepted", {"4", "10", "89"}, QString(), "4");
        row("eps 0 accepted", {"2.42", "10", "0"}, QString(), "2.42");
        row("eps empty accepted", {"2.42", "10", ""}, QString(), "2.42");
        row("1.005/22 accepted", {"1.005", "10", "22"}, QString(), "1.005");
        row("diamond", {"2.419", "10", "10"}, QString(), "2.419");
        row("IR with four decimals", {"1.5005", "10", "10"}, Messages::irUnmatched(), "1.5005");
        row("IR just above 1", {"1.0004", "10", "0"}, Messages::irUnmatched(), "1.0004");
        row("IR beyond solvable", {"3000000", "10", "10"}, Messages::irUnmatched(), "3000000");
        row("IR above 500000 unmatched", {"600030.647", "10", "0"}, Messages::irUnmatched(),
            "600030.647");
        row("IR just below 500000", {"499999.999", "10", "0"}, QString(), "499999.999");
        row("IR infinite", {"1E400", "10", "10"}, Messages::outOfScale(), none);
        row("D infinite", {"2.419", "1E400", "10"}, Messages::outOfScale(), "2.419");
        row("D overflowing the read-out", {"1.001", "1E308", "0"}, Messages::outOfScale(), "1.001");
        row("eps infinite", {"2.419", "10", "1E400"}, Messages::negativeCrown(), "2.419");
    }

    void outcome() {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(QString, echo);

        const ComputePlan plan =
            planComputation({typed[0], typed[1], typed[2]}, QStringLiteral("."));
        QCOMPARE(plan.message, message);
        QCOMPARE(plan.succeeded(), message.isEmpty());
        QCOMPARE(plan.irAccepted, !echo.isEmpty());
        QCOMPARE(plan.irEcho, echo);
    }

    void echoUsesTheGivenSeparator() {
        QCOMPARE(planComputation({"2.42", "0", ""}, QStringLiteral(",")).irEcho,
                 QStringLiteral("2,42"));
    }

    void successCarriesTheCut() {
        const ComputePlan plan = planComputation({"2.419", "10", "10"}, QStringLiteral("."));
        QVERIFY(plan.succeeded());
        QCOMPARE(plan.D, 10.0);
        QCOMPARE(plan.cut.IR, 2.419);
        QCOMPARE(plan.cut.eps, 10 * pi / 180);
        QCOMPARE(plan.solver.passes, 15);
        QVERIFY(plan.solver.matched);
    }

    // The messages must stay exactly as users know them.
    void messageTexts() {
        QCOMPARE(Messages::title(), QStringLiteral("CUIDADO !!!"));
        QCOMPARE(Messages::epsilonRange(),
                 QString::fromUtf8("\xC3\xA9psilon entre 0\xC2\xBA y 89\xC2\xBA "));
        QCOMPARE(Messages::diameterTooSmall(), QString::fromUtf8("Di\xC3\xA1metro mayor que 0"));
        // The program's own sentences end with a full stop and promise no more
        // than the solver keeps.
        QCOMPARE(Messages::irUnmatched(),
                 QString::fromUtf8("No hay soluci\xC3\xB3n para este IR: escriba IR con tres "
                                   "decimales como m\xC3\xA1ximo (por ejemplo 2.419) y menor "
                                   "que 500000."));
        QCOMPARE(Messages::outOfScale(),
                 QString::fromUtf8("Valores fuera de escala: un valor o un resultado es "
                                   "demasiado grande. Escriba valores menores de IR, D o "
                                   "\xC3\xA9psilon."));
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

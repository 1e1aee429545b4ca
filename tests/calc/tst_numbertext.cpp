#include "calc/NumberText.h"

#include <QLocale>
#include <QTest>

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void plain_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected");
        QTest::newRow("2.42") << 2.42 << "."
                              << "2.42";
        QTest::newRow("2.42 with comma") << 2.42 << ","
                                         << "2,42";
        QTest::newRow("whole") << 10.0 << ","
                               << "10";
        QTest::newRow("half") << 0.5 << "."
                              << "0.5";
        QTest::newRow("half with comma") << 0.5 << ","
                                         << "0,5";
        QTest::newRow("negative") << -2.5 << "."
                                  << "-2.5";
        QTest::newRow("negative zero") << -0.0 << "."
                                       << "0";
        QTest::newRow("fifteen digits") << 5.60975101367188 << "."
                                        << "5.60975101367188";
        QTest::newRow("large") << 1e20 << "."
                               << "1E+20";
        QTest::newRow("small") << 0.00001 << "."
                               << "1E-05";
        QTest::newRow("1.001") << 1.001 << "."
                               << "1.001";
    }

    void plain() {
        QFETCH(double, value);
        QFETCH(QString, separator);
        QFETCH(QString, expected);
        QCOMPARE(plainNumberText(value, separator), expected);
    }

    void plainFollowsTheUserLocale() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        const QString spanish = plainNumberText(2.42);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString english = plainNumberText(2.42);
        QLocale::setDefault(previous);
        QCOMPARE(spanish, QStringLiteral("2,42"));
        QCOMPARE(english, QStringLiteral("2.42"));
    }

    void signedAndShort_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("signedText");
        QTest::addColumn<QString>("shortText");
        QTest::newRow("5.609...") << 5.60975101367188 << " 5.60975101367188"
                                  << " 5.609";
        QTest::newRow("41.13...") << 41.1337539266641 << " 41.1337539266641"
                                  << " 41.13";
        QTest::newRow("0.2311...") << 0.231125950261947 << " .231125950261947"
                                   << " .2311";
        QTest::newRow("quarter") << 0.25 << " .25"
                                 << " .25";
        QTest::newRow("negative half") << -0.5 << "-.5"
                                       << "-.5";
        QTest::newRow("four") << 4.0 << " 4"
                              << " 4";
        QTest::newRow("387.858") << 387.858 << " 387.858"
                                 << " 387.8";
        QTest::newRow("123456.7") << 123456.7 << " 123456.7"
                                  << " 12345";
        QTest::newRow("truncates 3.99998") << 3.99998 << " 3.99998"
                                           << " 3.999";
        QTest::newRow("negative small") << -0.2128 << "-.2128"
                                        << "-.2128";
        QTest::newRow("negative 1.628") << -1.628 << "-1.628"
                                        << "-1.628";
        QTest::newRow("tiny keeps its exponent") << 2.726e-6 << " 2.726E-06"
                                                 << " 2E-06";
        QTest::newRow("tiny negative") << -1.674e-11 << "-1.674E-11"
                                       << "-1E-11";
        QTest::newRow("huge keeps its exponent") << 5.377e16 << " 5.377E+16"
                                                 << " 5E+16";
        QTest::newRow("three-digit exponent") << 1.5e-100 << " 1.5E-100"
                                              << " 1E-100";
    }

    void signedAndShort() {
        QFETCH(double, value);
        QFETCH(QString, signedText);
        QFETCH(QString, shortText);
        QCOMPARE(signedNumberText(value), signedText);
        QCOMPARE(shortNumberText(value), shortText);
    }

    void printed_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("10") << 10.0 << " 10 ";
        QTest::newRow("2.5") << 2.5 << " 2.5 ";
        QTest::newRow("1") << 1.0 << " 1 ";
        QTest::newRow("negative") << -0.5 << "-.5 ";
    }

    void printed() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(printedNumber(value), expected);
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"

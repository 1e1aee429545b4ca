#include "calc/LeadingNumber.h"

#include <QLocale>
#include <QTest>
#include <cmath>

class TestLeadingNumber : public QObject {
    Q_OBJECT

private slots:
    void reads_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");

        QTest::newRow("plain") << "2.42" << 2.42;
        QTest::newRow("comma stops the number") << "2,42" << 2.0;
        QTest::newRow("unit after the number") << "2.42 mm" << 2.42;
        QTest::newRow("letters after the number") << "2.42abc" << 2.42;
        QTest::newRow("trailing zero") << "2.420" << 2.42;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("single blank") << " " << 0.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("blank inside") << "2.4 2" << 2.42;
        QTest::newRow("blank inside an integer") << "1 0" << 10.0;
        QTest::newRow("tab and line feed inside") << "\t1\n0 " << 10.0;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("plus sign") << "+5" << 5.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("negative leading point") << "-.5" << -0.5;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("exponent") << "1E3" << 1000.0;
        QTest::newRow("lower-case exponent") << "2.5e-2" << 0.025;
        QTest::newRow("signed exponent") << "1E+2" << 100.0;
        QTest::newRow("exponent without digits") << "2E" << 2.0;
        QTest::newRow("exponent sign without digits") << "2E+" << 2.0;
        QTest::newRow("hexadecimal") << "&H1F" << 31.0;
        QTest::newRow("hexadecimal lower case") << "&hff" << 255.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O178" << 15.0;
        QTest::newRow("ampersand alone") << "&" << 0.0;
        QTest::newRow("other radix letter") << "&X12" << 0.0;
        QTest::newRow("underflow") << "1E-400" << 0.0;
        QTest::newRow("non-ASCII digit is no digit") << QString::fromUtf8("٣") << 0.0;
        QTest::newRow("degree mark after number") << QString::fromUtf8("10º") << 10.0;
    }

    void reads() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(leadingNumber(text), expected);
    }

    void overflowReadsAsInfinity() {
        QVERIFY(std::isinf(leadingNumber("1E400")));
        QVERIFY(leadingNumber("1E400") > 0);
        QVERIFY(leadingNumber("-1E400") < 0);
    }

    // The period is the only decimal separator whatever the locale says.
    void ignoresTheRegionalSeparator() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        const double withPeriod = leadingNumber("2.42");
        const double withComma = leadingNumber("2,42");
        QLocale::setDefault(previous);
        QCOMPARE(withPeriod, 2.42);
        QCOMPARE(withComma, 2.0);
    }
};

QTEST_APPLESS_MAIN(TestLeadingNumber)
#include "tst_leadingnumber.moc"

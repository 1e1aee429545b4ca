#include "drawing/SheetPaper.h"

#include <QTest>

using Widths = std::vector<qreal>;
Q_DECLARE_METATYPE(Widths)

class TestSheetPaper : public QObject {
    Q_OBJECT

private slots:
    // Worked by hand: the equal share of 30 is 10; a column that needs more
    // takes it, and the rest is shared again, which may leave another short.
    void columnsShareTheWidth_data() {
        QTest::addColumn<Widths>("needed");
        QTest::addColumn<Widths>("widths");
        QTest::newRow("all fit: equal shares") << Widths{5, 9, 10} << Widths{10, 10, 10};
        QTest::newRow("one wider than its share") << Widths{14.6, 5, 5} << Widths{14.6, 7.7, 7.7};
        QTest::newRow("the rest's share just enough") << Widths{12, 9, 5} << Widths{12, 9, 9};
        QTest::newRow("the rest's share too short for another")
            << Widths{12, 9.5, 5} << Widths{12, 9.5, 8.5};
        QTest::newRow("more than the table holds: what they need")
            << Widths{20, 20} << Widths{20, 20};
    }

    void columnsShareTheWidth() {
        QFETCH(Widths, needed);
        QFETCH(Widths, widths);
        const Widths shared = sheet::columnWidths(needed, 30);
        QCOMPARE(shared.size(), widths.size());
        for (std::size_t c = 0; c < widths.size(); ++c)
            QVERIFY2(qAbs(shared[c] - widths[c]) < 1e-9, qPrintable(QString::number(shared[c])));
    }
};

QTEST_MAIN(TestSheetPaper)
#include "tst_sheetpaper.moc"

#include "tests/support/Controls.h"
#include "windows/NumberField.h"

#include <QTest>

// A field writes its number as the program's language does, reads "2,5" and
// "2.5" alike in either, and reads back what it writes: a step up and down
// comes back to the same text.
class TestNumberField : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void writesAsTheLanguage_data() {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, QLocale::Language language, const char *typed,
                            const char *shown) {
            QTest::newRow(name) << language << QString(typed) << QString(shown);
        };
        row("Spanish, point", QLocale::Spanish, "2.5", "2,5");
        row("Spanish, comma", QLocale::Spanish, "2,5", "2,5");
        row("English, comma", QLocale::English, "2,5", "2.5");
        row("English, thousands", QLocale::English, "2000", "2000");
        row("Spanish, tens of thousands", QLocale::Spanish, "12000", "12000");
    }
    void writesAsTheLanguage() {
        QFETCH(QLocale::Language, language);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLocale::setDefault(QLocale(language));
        NumberField field;
        field.setLimits({0, 20000}, 0.5);
        typeInto(&field, typed);
        QCOMPARE(field.text(), shown);
        QTest::keyClick(&field, Qt::Key_Up);
        QTest::keyClick(&field, Qt::Key_Down);
        QCOMPARE(field.text(), shown);
        QCOMPARE(field.problem(), QString());
    }
};

QTEST_MAIN(TestNumberField)
#include "tst_numberfield.moc"

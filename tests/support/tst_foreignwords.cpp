#include "tests/support/ForeignWords.h"

#include <QTest>

// The oracle lets a text in its language through, names, symbols and the
// program's option and objective names included, and flags what is left in
// the other language, however it is written.
class TestForeignWords : public QObject {
    Q_OBJECT

private slots:
    void foreign_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QStringList>("foreign");
        const auto row = [](const char *name, const QString &text, QLocale::Language language,
                            const QStringList &foreign) {
            QTest::newRow(name) << text << language << foreign;
        };
        const QLocale::Language en = QLocale::English, es = QLocale::Spanish;
        row("English", "The crown angle of the stone, from 20 to 50°", en, {});
        row("English option",
            "corvelux: the objective (--objetivo) must be mixto-cielo, "
            "inclinado-cos or con-fuego: «fuego»",
            en, {});
        row("English names", "Tolkowsky (1919), GIA reference; RI = 2.419", en, {});
        row("Spanish", "La corona, de 20 a 50º; IR = 2.419", es, {});
        row("Spanish option", "corvelux: «--help» dado dos veces", es, {});
        row("Spanish in English", "Ángulo de la corona", en, {"Ángulo", "de", "la"});
        row("degree sign in English", "i =  34.93 º", en, {"º"});
        row("menu in English", "&Archivo", en, {"Archivo"});
        row("English in Spanish", "Save the cut sheet to a file", es,
            {"Save", "the", "to", "file"});
        row("RI in Spanish", "RI =", es, {"RI"});
    }
    void foreign() {
        QFETCH(QString, text);
        QFETCH(QLocale::Language, language);
        QFETCH(QStringList, foreign);
        QCOMPARE(foreignWords(text, language), foreign);
    }

    // A line the same in both languages is untranslated unless its words are.
    void untranslated_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("translated");
        QTest::newRow("words") << "Usar esta talla" << false;
        QTest::newRow("names and symbols") << "Tolkowsky (1919), D = 10 mm, H/D" << true;
        QTest::newRow("metavariables") << "[--mesa MIN MAX]" << true;
    }
    void untranslated() {
        QFETCH(QString, line);
        QFETCH(bool, translated);
        QCOMPARE(noUntranslatedLines({line}, {"Otra línea", line}), translated);
        QVERIFY(noUntranslatedLines({line}, {"Otra línea"}));
    }
};

QTEST_MAIN(TestForeignWords)
#include "tst_foreignwords.moc"

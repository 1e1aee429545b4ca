#include "help/HelpEntries.h"

#include <QLocale>
#include <QTest>

namespace {

QStringList textsOf(const QList<HelpEntry> &entries) {
    QStringList texts;
    for (const HelpEntry &entry : entries)
        texts.append(entry.text);
    return texts;
}

QList<HelpEntry> entriesNamed(const QStringList &texts) {
    QList<HelpEntry> entries;
    for (const QString &text : texts)
        entries.append({text, QUrl()});
    return entries;
}

}  // namespace

class TestHelpEntries : public QObject {
    Q_OBJECT

private slots:
    void parse() {
        const QString list = QStringLiteral(
            "# comment line\n"
            "ángulo crítico\tespejar.html#critico\n"
            "\n"
            "Abrir\tarchivos.html#abrir\r\n");
        const QUrl base(QStringLiteral("qrc:/ayuda/"));

        const QList<HelpEntry> expected{
            {QStringLiteral("ángulo crítico"),
             QUrl(QStringLiteral("qrc:/ayuda/espejar.html#critico"))},
            {QStringLiteral("Abrir"), QUrl(QStringLiteral("qrc:/ayuda/archivos.html#abrir"))}};
        QCOMPARE(parseHelpEntries(list, base), expected);
    }

    // The order of the program's language: in either, accents and case do
    // not move a word to the end; in Spanish ñ is a letter of its own.
    void alphabeticalOrder_data() {
        QTest::addColumn<QLocale>("language");
        QTest::addColumn<QStringList>("expected");
        const QStringList start{"Abrir",  "alfa",   "ángulo",  "animación", "b",
                                "CUARZO", "culata", "épsilon", "ESPEJAR"};
        QTest::newRow("Spanish") << QLocale(QLocale::Spanish, QLocale::Spain)
                                 << start + QStringList{"nylon", "ñandú"};
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates)
                                 << start + QStringList{"ñandú", "nylon"};
    }

    void alphabeticalOrder() {
        QFETCH(QLocale, language);
        QFETCH(QStringList, expected);
        QLocale::setDefault(language);
        const QStringList shuffled{"épsilon", "b",      "CUARZO", "ñandú",     "ángulo", "Abrir",
                                   "ESPEJAR", "culata", "nylon",  "animación", "alfa"};
        QCOMPARE(textsOf(sortedAlphabetically(entriesNamed(shuffled))), expected);
    }

    // The order is the language spoken's: Spanish has ñ as a letter of its
    // own after n, English reads it as an n.
    void orderOfTheLanguage_data() {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Spanish") << QLocale::Spanish << QStringList{"nube", "ñandú", "oro"};
        QTest::newRow("English") << QLocale::English << QStringList{"ñandú", "nube", "oro"};
    }

    void orderOfTheLanguage() {
        QFETCH(QLocale::Language, language);
        QFETCH(QStringList, expected);
        const QLocale previous;
        QLocale::setDefault(QLocale(language));
        const QStringList sorted =
            textsOf(sortedAlphabetically(entriesNamed({"oro", "ñandú", "nube"})));
        QLocale::setDefault(previous);
        QCOMPARE(sorted, expected);
    }

    void filter_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("matches");
        QTest::newRow("nothing typed") << "épsilon"
                                       << "" << true;
        QTest::newRow("without accent") << "ángulo crítico"
                                        << "angulo" << true;
        QTest::newRow("inside, other case") << "ángulo crítico"
                                            << "CRIT" << true;
        QTest::newRow("with accent typed") << "ángulo de corona"
                                           << "ángulo" << true;
        QTest::newRow("surrounding blanks") << "Abrir"
                                            << " abr " << true;
        QTest::newRow("not contained") << "mesa"
                                       << "meza" << false;
        QTest::newRow("accent does not join words") << "ESPEJAR"
                                                    << "épsilon" << false;
    }

    void filter() {
        QFETCH(QString, keyword);
        QFETCH(QString, typed);
        QFETCH(bool, matches);
        QCOMPARE(keywordMatches(keyword, typed), matches);
    }

    void beginning_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("begins");
        QTest::newRow("nothing typed") << "épsilon"
                                       << "" << true;
        QTest::newRow("without accent") << "ángulo crítico"
                                        << "ANG" << true;
        QTest::newRow("inside only") << "alfa (ángulo de pabellón)"
                                     << "angulo" << false;
        QTest::newRow("longer than the keyword") << "IR"
                                                 << "IRA" << false;
    }

    void beginning() {
        QFETCH(QString, keyword);
        QFETCH(QString, typed);
        QFETCH(bool, begins);
        QCOMPARE(keywordBeginsWith(keyword, typed), begins);
    }
};

QTEST_MAIN(TestHelpEntries)
#include "tst_helpentries.moc"

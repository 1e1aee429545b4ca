#include "tests/support/ForeignWords.h"
#include "tests/support/HeadlessRun.h"

#include <QHash>
#include <QTest>

namespace {

// The real program without a display, in the language whose code is given,
// both by the desktop and by --idioma unless the arguments choose; started
// by a shell command, where "$0" is the program, when one is given.
QString corvelux(const QString &code, QStringList arguments, const QString &shell) {
    if (!arguments.contains(QLatin1String("--idioma")))
        arguments = QStringList{"--idioma", code} + arguments;
    const HeadlessRun run = runHeadless(arguments, {{"LANGUAGE", code}, {"LC_ALL", {}}}, shell);
    return run.out + run.err;
}

}  // namespace

class TestCommandLineLanguage : public QObject {
    Q_OBJECT

private:
    QHash<QString, QString> m_usage;  // by language code

    // What the program writes in a language, less the usage after a
    // complaint: that is checked once, as --help.
    QString answer(const QString &code, const QStringList &arguments, const QString &shell) {
        QString text = corvelux(code, arguments, shell);
        if (arguments != QStringList{"--help"} && text.endsWith(m_usage[code]))
            text.chop(m_usage[code].size());
        return text;
    }

private slots:
    void initTestCase() {
        for (const QString code : {"en", "es"})
            m_usage[code] = corvelux(code, {"--help"}, {});
    }

    // Every kind of text the command line writes: the help, the version, the
    // results, the recipe, and each message, its complaints about the
    // arguments followed by the usage, which is checked once, in --help.
    void noTextInTheOtherLanguage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("shell");
        const auto values = [](const char *request, QStringList options,
                               QStringList values = {"2.419", "10", "10"}) {
            return QStringList{request} + values + options;
        };
        const auto optimizar = [](const QStringList &options) {
            return QStringList{"--optimizar", "2.417", "10", "--rayos", "10"} + options;
        };
        const QList<std::tuple<const char *, QStringList, QString>> cases{
            {"help", {"--help"}, {}},
            {"version", {"--version"}, {}},
            {"results", values("--calcular", {}), {}},
            {"mirror", values("--calcular", {}, {"1.544", "10", "0"}), {}},
            {"recipe", values("--receta", {}), {}},
            {"IR too small", values("--calcular", {}, {"-3", "10", "10"}), {}},
            {"crown", values("--calcular", {}, {"1.5", "10", "40"}), {}},
            {"épsilon", values("--calcular", {}, {"4", "10", "95"}), {}},
            {"unmatched", values("--calcular", {}, {"2.4175", "10", "10"}), {}},
            {"out of scale", values("--calcular", {}, {"1.001", "1E308", "0"}), {}},
            {"not a number", values("--calcular", {}, {"2,419", "10", "10"}), {}},
            {"too small a number", values("--calcular", {}, {"2.419", "10", "1e-400"}), {}},
            {"missing values", {"--calcular", "2.419", "10"}, {}},
            {"unexpected", {"extra"}, {}},
            {"unknown option", {"--calcula"}, {}},
            {"twice", {"--help", "--help"}, {}},
            {"only with", values("--receta", {"--coma-decimal"}), {}},
            {"no file name", values("--calcular", {"--exportar", ""}), {}},
            {"no sheet format", values("--calcular", {"--exportar", "hoja.doc"}), {}},
            {"sheet not written", values("--calcular", {"--exportar", "/nonexistent/h.pdf"}), {}},
            {"language", {"--idioma", "fr"}, {}},
            {"step 0", {"--tabla", "1.5", "2", "0"}, {}},
            {"reversed", {"--tabla", "2", "1.5", ".1"}, {}},
            {"10001 rows", {"--tabla", "1", "11", ".001"}, {}},
            {"step .0005", {"--tabla", "1.5", "2", ".0005"}, {}},
            {"girdle", values("--receta", {"--filetin", "10.5"}), {}},
            {"star", values("--receta", {"--estrella", "9"}), {}},
            {"lower halves", values("--receta", {"--pabellon-inferior", "91"}), {}},
            {"gear", values("--receta", {"--indice", "97"}), {}},
            {"density", values("--receta", {"--densidad", "0"}), {}},
            {"uncuttable", values("--receta", {}, {"1.29", "10", "29.128"}), {}},
            {"dispersion", values("--verificar", {"--dispersion", "1"}), {}},
            {"head", values("--verificar", {"--cabeza", "90"}), {}},
            {"eye", values("--verificar", {"--distancia", "5"}), {}},
            {"eye too close",
             values("--verificar", {"--distancia", "10"}, {"2.417", "60", "0"}),
             {}},
            {"rays", values("--verificar", {"--rayos", "20.5"}), {}},
            {"objective", optimizar({"--objetivo", "fuego"}), {}},
            {"fire weight", optimizar({"--objetivo", "con-fuego", "--peso-fuego", "-1"}), {}},
            {"table", optimizar({"--mesa", "40", "60"}), {}},
            {"crown range", optimizar({"--corona", "30", "51"}), {}},
            {"pavilion reversed", optimizar({"--pabellon", "42", "40"}), {}},
            {"depth", optimizar({"--profundidad-maxima", "30"}), {}},
            {"retention", optimizar({"--retencion-minima", "151"}), {}},
            {"no cut", optimizar({"--profundidad-maxima", "45", "--retencion-minima", "150"}), {}},
            {"output lost", {"--gemas"}, R"(exec "$0" "$@" >/dev/full)"},
            {"not text", values("--calcular", {"--exportar"}),
             R"sh(exec "$0" "$@" "$(printf 'h\377.pdf')")sh"},
            {"no display",
             {},
             R"(QT_LOGGING_RULES='qt.*=false' QT_QPA_PLATFORM=xcb DISPLAY=:9999 exec "$0" "$@")"},
        };
        for (const auto &[name, arguments, shell] : cases)
            QTest::newRow(name) << arguments << shell;
    }

    void noTextInTheOtherLanguage() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, shell);
        const QString english = answer("en", arguments, shell);
        const QString spanish = answer("es", arguments, shell);
        QVERIFY2(!english.isEmpty() && !spanish.isEmpty(), "no answer");
        const bool englishOnly = noForeignLines({english}, QLocale::English);
        const bool spanishOnly = noForeignLines({spanish}, QLocale::Spanish);
        const bool translated = noUntranslatedLines({english}, {spanish});
        QVERIFY2(englishOnly && spanishOnly && translated, "texts in the wrong language, listed");
    }
};

QTEST_MAIN(TestCommandLineLanguage)
#include "tst_commandlinelanguage.moc"

#include "tests/app/MainWindowFixture.h"

#include "calc/AngleChart.h"
#include "calc/CutSolver.h"
#include "calc/Gems.h"
#include "calc/Messages.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessRunner.h"
#include "stone/ComparisonCsv.h"
#include "stone/CutFigures.h"
#include "stone/RecipeText.h"

#include "tests/support/HeadlessRun.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtMath>
#include <cmath>

namespace {

using Run = HeadlessRun;

// The real program on a desktop whose decimal separator is the comma.
Run corvelux(const QStringList &arguments, const QString &shell = {}) {
    return runHeadless(arguments, {{"LC_ALL", "es_ES.UTF-8"}}, shell);
}

// What the main window shows for the same three texts: the echo, the results
// and the mirroring warning as their descriptions read them, or the message
// box's text.
QString windowOutput(const QStringList &texts) {
    MainWindowFixture f;
    f.ui().Text1->setText(texts[0]);
    f.ui().Text3->setText(texts[1]);
    f.ui().Text2->setText(texts[2]);
    QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
    if (!f.messages->messages().isEmpty())
        return f.messages->messages().join(u'\n');
    return "IR = " + f.ui().Label5->text() + u'\n' + f.ui().Picture1->accessibleDescription() +
           u'\n' + f.ui().Picture2->accessibleDescription();
}

// The records of an RFC 4180 text; a record not ended by CR LF is lost.
QList<QStringList> csvRecords(const QString &text, QChar separator) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'"' && quoted && text.mid(i + 1, 1) == u"\"")
            field += text[++i];
        else if (text[i] == u'"')
            quoted = !quoted;
        else if (!quoted && text[i] == separator)
            record << std::exchange(field, {});
        else if (!quoted && text.mid(i, 2) == u"\r\n" && ++i)
            records << (std::exchange(record, {}) << std::exchange(field, {}));
        else
            field += text[i];
    }
    return records;
}

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // The whole program, one row per case: the exit status, and a fragment
    // of standard output on success, or else the message alone on the first
    // line of standard error, followed by the usage for wrong usage that the
    // message does not say all about.
    void cases_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("fragment");
        QTest::addColumn<bool>("usage");
        const auto row = [](const char *name, const QStringList &arguments, int status,
                            const QString &fragment, bool usage) {
            QTest::newRow(name) << arguments << status << fragment << usage;
        };
        const auto done = [&row](const char *name, const QStringList &arguments,
                                 const QString &fragment) {
            row(name, arguments, 0, fragment, false);
        };
        const auto rejected = [&row](const char *name, const QStringList &arguments,
                                     const QString &message) {
            row(name, arguments, 1, message, false);
        };
        const auto wrong = [&row](const char *name, const QStringList &arguments,
                                  const QString &complaint) {
            row(name, arguments, 2, "corvelux: " + complaint, true);
        };
        const auto outOfRange = [&row](const char *name, const QStringList &arguments,
                                       const QString &complaint) {
            row(name, arguments, 2, "corvelux: " + complaint, false);
        };
        const auto with = [](const char *request, const QStringList &options,
                             QStringList values = {"2.419", "10", "10"}) {
            return QStringList{request} + values + options;
        };
        const auto calcular = [](const char *ir, const char *diameter, const char *eps) {
            return QStringList{"--calcular", ir, diameter, eps};
        };
        const auto receta = [](const char *ir, const char *diameter, const char *eps) {
            return QStringList{"--receta", ir, diameter, eps};
        };
        const QString notANumber = QStringLiteral("no es un número con punto decimal: «%1»");
        const QString twice = QStringLiteral("«%1» dado dos veces");
        const QString onlyWith = QStringLiteral("«%1» solo vale con %2");

        // The values of --calcular, checked as the window checks them.
        done("diamond", calcular("2.419", "10", "10"), "IR = 2.419\n");
        done("quartz", calcular("1.540", "10", "12"), "IR = 1.54\n");
        done("quartz, épsilon 0", calcular("1.544", "10", "0"), "ESPEJAR");
        rejected("IR -3", calcular("-3", "10", "10"), Messages::irTooSmall());
        rejected("crown", calcular("1.5", "10", "40"), Messages::negativeCrown());
        rejected("épsilon", calcular("4", "10", "95"), Messages::epsilonRange());
        rejected("unmatched", calcular("2.4175", "10", "10"), Messages::irUnmatched());
        rejected("out of scale", calcular("1.001", "1E308", "0"), Messages::outOfScale());

        // Numbers as a program writes them, nothing guessed.
        done("sign", calcular("+2.419", "10", "10"), "IR = 2.419\n");
        wrong("two periods", calcular("1.2.3", "10", "10"), notANumber.arg("1.2.3"));
        wrong("exponent without digits", calcular("2.4E", "10", "10"), notANumber.arg("2.4E"));
        wrong("IR 2,419", calcular("2,419", "10", "10"), notANumber.arg("2,419"));
        wrong("D empty", calcular("2.419", "", "10"), notANumber.arg(""));
        wrong("IR inf", calcular("inf", "10", "10"), notANumber.arg("inf"));
        wrong("épsilon nan", {"--gemas", "--epsilon", "nan"}, notANumber.arg("nan"));
        wrong("épsilon 1,5", {"--gemas", "--epsilon", "1,5"}, notANumber.arg("1,5"));
        wrong("1e-400", calcular("2.419", "10", "1e-400"),
              "número demasiado grande o demasiado cercano a 0: «1e-400»");

        // The charts.
        rejected("step 0", {"--tabla", "1.5", "2", "0"}, ChartMessages::stepNotPositive());
        rejected("reversed", {"--tabla", "2", "1.5", ".1"}, ChartMessages::reversed());
        rejected("10001 rows", {"--tabla", "1", "11", ".001"}, ChartMessages::tooManyRows());
        rejected("step .0005", {"--tabla", "1.5", "2", ".0005"},
                 ChartMessages::stepNotThousandths());
        rejected("step .0012", {"--tabla", "1.5", "1.51", ".0012"},
                 ChartMessages::stepNotThousandths());
        wrong("step x", {"--tabla", "1.5", "2", "x"}, notANumber.arg("x"));
        done("chart, decimal comma", {"--tabla", "--coma-decimal", "1.540", "1.541", "0.001"},
             "\r\n1,540;0;");
        wrong("chart, option after the numbers", {"--tabla", "1", "2", ".1", "--epsilon", "4"},
              "argumento no esperado «--epsilon»");

        // Arguments that do not belong.
        wrong("no file name", calcular("2.419", "10", "10") + QStringList{"--exportar", ""},
              "falta el nombre del archivo después de «--exportar»");
        wrong("two values", {"--calcular", "2.419", "10"},
              "faltan valores después de «--calcular»");
        wrong("four values", calcular("2.419", "10", "10") << "7", "argumento no esperado «7»");
        wrong("unknown", {"--calcula"}, "opción no reconocida «--calcula»");
        wrong("argument", {"extra-argument"}, "argumento no esperado «extra-argument»");
        wrong("second option", {"--help", "--version"}, "argumento no esperado «--version»");
        wrong("recipe, no star", with("--receta", {"--estrella"}),
              "faltan valores después de «--estrella»");
        wrong("check --indice", with("--verificar", {"--indice", "96"}),
              "argumento no esperado «--indice»");
        wrong("check --csv", with("--verificar", {"--csv"}), "argumento no esperado «--csv»");
        wrong("check --cabeza", with("--verificar", {"--cabeza"}),
              "faltan valores después de «--cabeza»");

        // An option given twice is named, whatever follows it.
        wrong("épsilon twice", {"--gemas", "--epsilon", "1", "--epsilon", "2"},
              twice.arg("--epsilon"));
        wrong("épsilon after the numbers",
              {"--tabla", "--epsilon", "1", "1", "2", ".1", "--epsilon", "2"},
              twice.arg("--epsilon"));
        wrong("decimal comma twice", {"--gemas", "--coma-decimal", "--coma-decimal"},
              twice.arg("--coma-decimal"));
        wrong("girdle twice", with("--receta", {"--filetin", "1", "--filetin", "2"}),
              twice.arg("--filetin"));
        wrong("csv twice", with("--receta", {"--csv", "--csv"}), twice.arg("--csv"));
        wrong("rays twice", with("--verificar", {"--rayos", "10", "--rayos", "20"}),
              twice.arg("--rayos"));
        wrong("export twice", with("--calcular", {"--exportar", "a.pdf", "--exportar", "b.pdf"}),
              twice.arg("--exportar"));
        wrong("help twice", {"--help", "--help"}, twice.arg("--help"));

        // The sheet's options need --exportar; the light check's, --verificacion.
        wrong("girdle without a sheet", with("--calcular", {"--filetin", "2"}),
              onlyWith.arg("--filetin", "--exportar"));
        wrong("check without a sheet", with("--calcular", {"--verificacion"}),
              onlyWith.arg("--verificacion", "--exportar"));
        wrong("head without the check",
              with("--calcular", {"--exportar", "hoja.pdf", "--cabeza", "20"}),
              onlyWith.arg("--cabeza", "--verificacion"));
        wrong("decimal comma without CSV", with("--receta", {"--coma-decimal"}),
              onlyWith.arg("--coma-decimal", "--csv"));

        // Each range as stone/DesignLimits.h sets it, one line without the usage.
        outOfRange("girdle", with("--receta", {"--filetin", "10.5"}),
                   "el filetín debe medir de 0 a 10 (% de D): «10.5»");
        outOfRange("star", with("--receta", {"--estrella", "9"}),
                   "la longitud de las estrellas debe ir de 10 a 90 (%): «9»");
        outOfRange("lower halves", with("--receta", {"--pabellon-inferior", "91"}),
                   "la longitud de las medias del pabellón debe ir de 10 a 90 (%): «91»");
        const QString gears = "la rueda de índice debe tener 64, 72, 80, 96 o 120 dientes: «%1»";
        outOfRange("gear", with("--receta", {"--indice", "96.5"}), gears.arg("96.5"));
        outOfRange("gear nearly 64", with("--receta", {"--indice", "63.99999999999999999999"}),
                   gears.arg("63.99999999999999999999"));
        outOfRange("gear as a decimal", with("--receta", {"--indice", "96.0"}), gears.arg("96.0"));
        const QString density = "la densidad debe ir de 1 a 10 g/cm³: «%1»";
        outOfRange("density 0", with("--receta", {"--densidad", "0"}), density.arg("0"));
        outOfRange("density 1e308", with("--receta", {"--densidad", "1e308"}),
                   density.arg("1e308"));
        outOfRange("head", with("--verificar", {"--cabeza", "90"}),
                   "la cabeza del observador debe ir de 0 a 89 grados: «90»");
        outOfRange("eye at 5 cm", with("--verificar", {"--distancia", "5"}),
                   "la distancia del ojo debe ser 0 o de 10 a 100 cm: «5»");
        rejected("eye within two diameters",
                 with("--verificar", {"--distancia", "10"}, {"2.417", "60", "0"}),
                 "El ojo, a 10 cm, está a menos de dos diámetros del centro de la piedra: "
                 "aléjelo o póngalo en el infinito (distancia 0).");
        const QString rays = "los rayos de lado deben ser un número entero de 10 a 2000: «%1»";
        outOfRange("rays", with("--verificar", {"--rayos", "20.5"}), rays.arg("20.5"));
        outOfRange("rays nearly 10", with("--verificar", {"--rayos", "9.99999999999999999999"}),
                   rays.arg("9.99999999999999999999"));
        outOfRange("sheet's density",
                   with("--calcular", {"--exportar", "h.pdf", "--densidad", "11"}),
                   density.arg("11"));

        // The ends of the ranges are inside them.
        done("head 89",
             with("--verificar", {"--cabeza", "89", "--rayos", "10"}, {"2.417", "10", "10"}),
             "\r\nCalculada,2.417,");
        done("gear +72", with("--receta", {"--indice", "+72", "--densidad", "10"}),
             "rueda de índice de 72 dientes");

        // An argument is echoed so that it cannot act on the terminal, and short.
        wrong("control characters", receta("a\nb\tc\x1b[31m", "10", "10"),
              notANumber.arg("a\\nb\\tc\\x1b[31m"));
        const QString letters = "abcdefghijklmnopqrstuvwxyz";
        wrong("long argument", {"--receta", "2.419", "10", letters + letters + letters},
              notANumber.arg("abcdefghijklmnopqrstuvwxyzabcdefghijklmn…hijklmnopqrstuvwxyz"));

        // The recipe and the light check.
        rejected("recipe, crown", receta("1.5", "10", "40"), Messages::negativeCrown());
        // A pavilion that lets light through is cut all the same, with the
        // read-out's warning first.
        done("recipe, quartz at 0", receta("1.544", "10", "0"),
             "ESPEJAR o  AUMENTAR épsilon\n\nReceta de tallado");
        rejected("recipe, crown below the girdle", receta("1.29", "10", "29.128"),
                 stone::uncuttableMessage(1.29));
        rejected("recipe, weight out of scale", receta("2.419", "1E120", "10"),
                 Messages::outOfScale());
        wrong("recipe, IR 2,419", receta("2,419", "10", "10"), notANumber.arg("2,419"));
        done("recipe CSV, decimal comma", with("--receta", {"--csv", "--coma-decimal"}),
             "faceta;nombre;cantidad;angulo;acimut;indices;desvio\r\n"
             "P1;Principales del pabellón;8;");
        rejected("check IR -3", {"--verificar", "-3", "10", "10"}, Messages::irTooSmall());
        wrong("check D 1,5", {"--verificar", "2.417", "1,5", "10"}, notANumber.arg("1,5"));
        done("check, decimal comma",
             with("--verificar", {"--coma-decimal", "--rayos", "10"}, {"2.417", "10", "10"}),
             "\r\nCalculada;2,417;");

        // The search for the brightest cut: IR and D, épsilon as an option;
        // each range two numbers within the search's limits, the lower first.
        const auto optimizar = [](const QStringList &options) {
            return QStringList{"--optimizar", "2.417", "10", "--rayos", "10"} + options;
        };
        const QStringList fixedCut{"--mesa",     "60", "60", "--corona",  "30", "30",
                                   "--pabellon", "41", "41", "--filetin", "2"};
        done("optimised within fixed ranges", optimizar(fixedCut),
             "\r\nOptimizada,2.417,60.000,30.000,41.000,2.000,");
        done("optimised, decimal comma", optimizar(fixedCut + QStringList{"--coma-decimal"}),
             "\r\nOptimizada;2,417;60,000;30,000;41,000;2,000;");
        done("optimised, with its recipe",
             optimizar(fixedCut + QStringList{"--receta", "--indice", "72", "--epsilon", "10"}),
             "\r\n\nReceta de tallado del brillante redondo, rueda de índice de 72 dientes");
        wrong("optimise, no D", {"--optimizar", "2.417"},
              "faltan valores después de «--optimizar»");
        wrong("optimise, one end", optimizar({"--mesa", "50"}),
              "faltan valores después de «--mesa»");
        wrong("optimise, end not a number", optimizar({"--corona", "30", "x"}),
              notANumber.arg("x"));
        wrong("optimise, gear without recipe", optimizar({"--indice", "72"}),
              onlyWith.arg("--indice", "--receta"));
        outOfRange("table below 45", optimizar({"--mesa", "40", "60"}),
                   "la mesa (--mesa) debe ir de 45 a 70 (% de D): «40»");
        outOfRange("crown above 50", optimizar({"--corona", "30", "51"}),
                   "el ángulo de corona (--corona) debe ir de 20 a 50 grados: «51»");
        outOfRange("pavilion reversed", optimizar({"--pabellon", "42", "40"}),
                   "en --pabellon, el mínimo es mayor que el máximo: «42 40»");
        outOfRange("depth", optimizar({"--profundidad-maxima", "30"}),
                   "la profundidad máxima (--profundidad-maxima) debe ir de 40 a 110 (% de D): "
                   "«30»");
        outOfRange("retention", optimizar({"--retencion-minima", "151"}),
                   "la retención mínima (--retencion-minima) debe ir de 50 a 150 (% del peso de "
                   "la talla calculada): «151»");
        outOfRange(
            "objective", optimizar({"--objetivo", "fuego"}),
            "el objetivo (--objetivo) debe ser mixto-cielo, inclinado, inclinado-cos o con-fuego: "
            "«fuego»");
        rejected("optimise, épsilon 95", optimizar({"--epsilon", "95"}), Messages::negativeCrown());
        rejected("no cut shallow and heavy enough",
                 optimizar({"--profundidad-maxima", "45", "--retencion-minima", "150"}),
                 "Ninguna talla dentro de los intervalos pedidos cumple los límites de "
                 "profundidad y de retención.");
    }
    void cases() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, fragment);
        QFETCH(bool, usage);
        const Run run = corvelux(arguments);
        QCOMPARE(run.status, status);
        if (status == 0) {
            QVERIFY2(run.out.contains(fragment), qPrintable(run.out.left(300)));
            QCOMPARE(run.err, QString());
        } else {
            QCOMPARE(run.out, QString());
            QCOMPARE(run.err, fragment + u'\n' + (usage ? usageText() : QString()));
        }
        if (arguments.contains("--coma-decimal") && status == 0)
            QVERIFY2(!run.out.contains(u'.'), "a decimal point");
        if (status != 2 && arguments.size() == 4 && arguments[0] == QLatin1String("--calcular")) {
            QCOMPARE((status == 0 ? run.out : run.err).simplified(),
                     windowOutput(arguments.mid(1)).simplified());
        }
    }

    // For a cut that makes no brilliant, the message advises épsilons that
    // make one, to a tenth of a degree: both ends cut, a tenth beyond them
    // does not.
    void uncuttableAdvisesWhatCuts_data() {
        QTest::addColumn<QString>("ir");
        QTest::addColumn<QString>("epsilon");
        QTest::newRow("IR 1.001 at 0") << "1.001"
                                       << "0";
        QTest::newRow("IR 1.003 at 0") << "1.003"
                                       << "0";
        QTest::newRow("IR 1.29 at 29.128") << "1.29"
                                           << "29.128";
    }
    void uncuttableAdvisesWhatCuts() {
        QFETCH(QString, ir);
        QFETCH(QString, epsilon);
        const auto recipeStatus = [&ir](double eps) {
            return corvelux({"--receta", ir, "10", QString::number(eps)}).status;
        };
        const Run run = corvelux({"--receta", ir, "10", epsilon});
        QCOMPARE(run.status, 1);
        const QRegularExpressionMatch advice =
            QRegularExpression(
                QStringLiteral("Con IR (.*), pruebe con épsilon de ([0-9.]+) a ([0-9.]+)\\.\n$"))
                .match(run.err);
        QVERIFY2(advice.hasMatch(), qPrintable(run.err));
        QCOMPARE(advice.captured(1), ir);
        const double low = advice.captured(2).toDouble(), high = advice.captured(3).toDouble();
        QVERIFY(low < high);
        QCOMPARE(recipeStatus(low), 0);
        QCOMPARE(recipeStatus(high), 0);
        if (low > 0)
            QCOMPARE(recipeStatus(low - 0.1), 1);
        QCOMPARE(recipeStatus(high + 0.1), 1);
    }

    void helpAndVersion_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("answer");
        QTest::newRow("--help") << "--help" << usageText();
        QTest::newRow("--version") << "--version" << versionText();
    }

    void helpAndVersion() {
        QFETCH(QString, option);
        QFETCH(QString, answer);
        const Run run = corvelux({option});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, answer);
        QCOMPARE(run.err, QString());
        QVERIFY(answer.startsWith(option == "--help" ? "Uso: corvelux [OPCIÓN]\n"
                                                     : "CORVELUX " CORVELUX_VERSION "\n"));
    }

    // --exportar writes the cut sheet before the results are printed; a name
    // that gives no format is rejected with nothing printed. The sheet shows
    // the choices given, and the page of the light check when asked for.
    void exportsTheCutSheet_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("values");  // IR, D and épsilon
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("start");   // of the file; empty: none written
        QTest::addColumn<QStringList>("shows");  // texts of an SVG sheet
        QTest::addColumn<int>("pages");          // of a PDF sheet
        const QStringList diamond{"2.419", "10", "10"};
        const QStringList check{"--verificacion", "--rayos", "20"};
        QTest::newRow("PDF") << "hoja.pdf" << diamond << QStringList() << QByteArray("%PDF")
                             << QStringList() << 2;
        QTest::newRow("SVG") << "hoja.svg" << diamond << QStringList() << QByteArray("<?xml")
                             << QStringList{"rueda de índice de 96 dientes", "Filetín: 0 % de D."}
                             << 0;
        QTest::newRow("PNG") << "hoja.PNG" << diamond << QStringList() << QByteArray("\x89PNG")
                             << QStringList() << 0;
        QTest::newRow("no format")
            << "hoja.doc" << diamond << QStringList() << QByteArray() << QStringList() << 0;
        QTest::newRow("IR rejected") << "hoja.pdf" << QStringList{"1", "10", "10"} << QStringList()
                                     << QByteArray() << QStringList() << 0;
        QTest::newRow("the recipe's choices")
            << "hoja.svg" << diamond
            << QStringList{"--filetin", "3", "--indice", "72", "--densidad", "4.25"}
            << QByteArray("<?xml")
            << QStringList{"rueda de índice de 72 dientes", "Filetín: 3 % de D.",
                           "Densidad: 4.25 g/cm³ (la indicada)"}
            << 0;
        QTest::newRow("PDF with the 3-D page")
            << "hoja.pdf" << diamond << check << QByteArray("%PDF") << QStringList() << 3;
        QTest::newRow("the 3-D page's choices")
            << "hoja.svg" << diamond << check + QStringList{"--cabeza", "30", "--estrella", "60"}
            << QByteArray("<?xml")
            << QStringList{"estrellas 60 %, medias del pabellón 80 %; dispersión 0.044; cabeza del observador 30º, ojo a 25 cm."}
            << 0;
        QTest::newRow("no brilliant to check") << "hoja.pdf" << QStringList{"1.29", "10", "29.128"}
                                               << check << QByteArray() << QStringList() << 0;
    }

    void exportsTheCutSheet() {
        QFETCH(QString, name);
        QFETCH(QStringList, values);
        QFETCH(QStringList, options);
        QFETCH(QByteArray, start);
        QFETCH(QStringList, shows);
        QFETCH(int, pages);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        const Run run = corvelux(QStringList{"--calcular"} + values +
                                 QStringList{"--exportar", path} + options);
        QFile sheet(path);
        QCOMPARE(sheet.open(QIODevice::ReadOnly), !start.isEmpty());
        const QByteArray bytes = sheet.readAll();
        QVERIFY(bytes.startsWith(start));
        QCOMPARE(run.status, start.isEmpty() ? 1 : 0);
        QCOMPARE(run.out.startsWith("IR = " + values[0] + u'\n'), !start.isEmpty());
        QCOMPARE(run.err.isEmpty(), !start.isEmpty());
        for (const QString &text : shows)
            QVERIFY2(QString::fromUtf8(bytes).contains(text), qPrintable(text));
        if (pages > 0) {
            QCOMPARE(QString::fromLatin1(bytes).count(
                         QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))),
                     pages);
        }
    }

    // The read-out's lines keep their blanks (the help's worked example).
    void diamondReadOut() {
        QCOMPARE(corvelux({"--calcular", "2.419", "10", "10"}).out,
                 QStringLiteral("IR = 2.419\n     i =  34.93 º\nalfa =  40.71 º\n"
                                "     D =  10  mm.\n     a =  5.377 mm.\n     b =  2.311 mm.\n"
                                "     H =  5.918\n     q =  1.614\n     n =  4.303\n"));
    }

    // The CSV has a row per tier in cutting order; on the 72 gear the halves
    // at 11.25° + k·22.5° miss their teeth by +1.25° and -1.25° in turn, the
    // stars at 22.5° + k·45° by half a tooth, down and up in turn. Without
    // --densidad the table names the gem; the girdle is as thick as asked.
    void recipe() {
        const QStringList diamond{"--receta", "2.419", "10", "10", "--indice", "72"};
        const QList<QStringList> records =
            csvRecords(corvelux(diamond + QStringList{"--csv"}).out, u',');
        QCOMPARE(records.size(), 8);
        QCOMPARE(records[2].join(u','),
                 "P2,Medias del pabellón,16,41.80,11.25,"
                 "02-07-11-16-20-25-29-34-38-43-47-52-56-61-65-70," +
                     QStringList(8, "1.25 -1.25").join(u' '));
        QCOMPARE(records[5].mid(4).join(u','),
                 "22.50,05-13-23-31-41-49-59-67," + QStringList(4, "-2.50 2.50").join(u' '));
        const QString text = corvelux(diamond + QStringList{"--filetin", "2.5"}).out;
        QVERIFY(text.contains(
            "\nDensidad:                    3.52 g/cm³ (de Diamante, la gema de la lista con el IR "
            "más cercano)\n"));
        QVERIFY(text.contains("\nFiletín:                     2.50 % de D (0.25 mm)\n"));
    }

    void charts_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("lastIr");
        QTest::addColumn<int>("failing");  // rows that carry aviso
        QTest::addColumn<QString>("aviso");
        const int gems = int(commonGems().size());
        const QString lastGem = commonGems().constLast().ir;
        QTest::newRow("3000") << QStringList{"--tabla", "1.001", "4.000", "0.001"} << 3000
                              << "4.000" << 0 << QString();
        QTest::newRow("from below 1") << QStringList{"--tabla", "0.999", "1.001", "0.001"} << 3
                                      << "1.001" << 2 << Messages::irTooSmall();
        QTest::newRow("from 23000") << QStringList{"--tabla", "23000", "23000.010", "0.001"} << 11
                                    << "23000.010" << 0 << QString();
        QTest::newRow("gems") << QStringList{"--gemas"} << gems << lastGem << 0 << QString();
        QTest::newRow("gems, decimal comma")
            << QStringList{"--gemas", "--coma-decimal"} << gems
            << QString(lastGem).replace(u'.', u',') << 0 << QString();
        QTest::newRow("gems, épsilon 95") << QStringList{"--gemas", "--epsilon", "95"} << gems
                                          << lastGem << gems << Messages::negativeCrown();
    }

    // The charts parse as CSV: their header, one record per row, the gem
    // names whole, numbers where a row is computed, whether its pavilion
    // angle is below the critical angle, its message where not.
    void charts() {
        QFETCH(QStringList, arguments);
        QFETCH(int, rows);
        QFETCH(QString, lastIr);
        QFETCH(int, failing);
        QFETCH(QString, aviso);
        const Run run = corvelux(arguments);
        QCOMPARE(run.status, 0);
        QVERIFY(run.err.isEmpty() && run.out.endsWith(QLatin1String("\r\n")));
        const bool comma = arguments.contains("--coma-decimal");
        const QList<QStringList> records = csvRecords(run.out, comma ? u';' : u',');
        const qsizetype gem = arguments[0] == QLatin1String("--gemas") ? 1 : 0;
        const QString header =
            QStringLiteral("IR,epsilon,i,alfa,a/D,b/D,q/D,n/D,H/D,espejar,aviso");
        const auto value = [](QString field) { return field.replace(u',', u'.').toDouble(); };
        QCOMPARE(records.value(0).join(u','), gem ? "gema," + header : header);
        QCOMPARE(records.size(), rows + 1);
        QCOMPARE(records.constLast().value(gem), lastIr);

        int avisos = 0;
        for (qsizetype row = 1; row < records.size(); ++row) {
            const QStringList &fields = records[row];
            QCOMPARE(fields.size(), records[0].size());
            QCOMPARE(fields[0], gem ? commonGems()[row - 1].name() : fields[0]);
            const bool failed = !fields.constLast().isEmpty();
            avisos += failed;
            QCOMPARE(fields.constLast(), failed ? aviso : QString());
            for (const QString &number : fields.mid(gem + 2, 7))
                QCOMPARE(value(number) != 0, !failed);  // 0 when empty or not a number
            const bool leaks =
                value(fields[gem + 3]) < qRadiansToDegrees(std::asin(1 / value(fields[gem])));
            QCOMPARE(fields[gem + 9], failed ? "" : leaks ? "sí" : "no");
        }
        QCOMPARE(avisos, failing);
    }

    // One row per cut, the computed one first; in each, the shares of the
    // light that enters add up to 100 % (to the printed two decimals).
    void lightCheck() {
        const Run run = corvelux({"--verificar", "2.417", "10", "10", "--rayos", "30"});
        const QList<QStringList> records = csvRecords(run.out, u',');
        const QStringList names{"reflejo_externo", "fuga",        "banda_0_45",
                                "banda_45_75",     "banda_75_90", "resto"};
        QStringList cuts;
        for (const QStringList &record : records.mid(1)) {
            cuts << record[0];
            double shares = 0;
            for (const QString &name : names)
                shares += record[records[0].indexOf(name)].toDouble();
            QVERIFY2(std::abs(shares - 100) < 0.05, qPrintable(record.join(u',')));
        }
        QCOMPARE(cuts,
                 (QStringList{"Calculada", "Tolkowsky (1919)", "Referencia GIA", "Excelente"}));
        QCOMPARE(records[0].join(u','),
                 "talla,IR,mesa,corona,pabellon,filetin,estrella,pabellon_inferior,altura_corona,"
                 "profundidad_pabellon,profundidad_total,volumen,brillo_iso,brillo_cos,"
                 "brillo_inclinado,brillo_inclinado_cos,reflejo_externo,fuga,dispersion,fuego,"
                 "banda_0_45,banda_45_75,banda_75_90,resto");
    }

    void shellRuns_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("shell");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");  // its first line
        QTest::newRow("full") << QStringList{"--gemas"} << R"(exec "$0" "$@" >/dev/full)" << 1
                              << outputFailureMessage();
        QTest::newRow("closed") << QStringList{"--calcular", "2.419", "10", "10"}
                                << R"(exec "$0" "$@" >&-)" << 1 << outputFailureMessage();
        QTest::newRow("reader gone")
            << QStringList{"--tabla", "1.001", "4.000", "0.001"}
            << R"(s=$( { { "$0" "$@"; echo $? >&3; } | true; } 3>&1 ); exit $s)" << 1
            << outputFailureMessage();
        QTest::newRow("name not text")
            << QStringList{"--calcular", "2.419", "10", "10", "--exportar"}
            << R"sh(exec "$0" "$@" "$(printf 'h\377.pdf')")sh" << 2
            << QStringLiteral(
                   "corvelux: no es texto en la codificación del sistema: «h\uFFFD.pdf»");
        QTest::newRow("no display")
            << QStringList{}
            << R"(QT_LOGGING_RULES='qt.*=false' QT_QPA_PLATFORM=xcb DISPLAY=:9999 exec "$0")" << 1
            << QStringLiteral(
                   "corvelux: no se pueden abrir las ventanas: no hay pantalla gráfica a "
                   "la que conectarse.");
    }

    // Output that is lost, an argument that is not text, or windows that cannot
    // open are never a success.
    void shellRuns() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, shell);
        QFETCH(int, status);
        QFETCH(QString, err);
        const Run run = corvelux(arguments, shell);
        QCOMPARE(run.status, status);
        QCOMPARE(run.err.section(u'\n', 0, 0), err);
    }

    // With the eye at infinity, --verificar writes the light that the
    // reference tests check; from the usual 25 cm, the figures differ.
    void eyeAtInfinity() {
        const stone::ViewSettings infinity{2.417, 15, 40, 0, 0.044};
        const QString reference = stone::comparisonCsv(
            stone::compareCuts(stone::cutsToCompare(stone::proportionsOf(solveCut(2.417, 0)), {}),
                               infinity, {}, stone::Fire::traced),
            2.417, 0.044);
        const QStringList check{"--verificar", "2.417", "10", "0", "--rayos", "40"};
        QCOMPARE(corvelux(check + QStringList{"--distancia", "0"}).out, reference);
        QVERIFY(corvelux(check).out != reference);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"

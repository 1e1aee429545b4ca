#include "tests/app/MainWindowFixture.h"

#include "cli/CommandLine.h"
#include "cli/HeadlessRunner.h"
#include "calc/AngleChart.h"
#include "calc/Gems.h"
#include "calc/Messages.h"
#include "stone/RecipeText.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtMath>
#include <cmath>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The real program as over SSH: no display, no Qt platform chosen, and a
// locale whose decimal separator is the comma; started by a shell command,
// where "$0" is the program, when one is given.
Run corvelux(const QStringList &arguments, const QString &shell = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("es_ES.UTF-8"));
    QProcess program;
    program.setProcessEnvironment(environment);
    if (shell.isEmpty())
        program.start(QStringLiteral(CORVELUX_PROGRAM), arguments);
    else
        program.start("/bin/sh", QStringList{"-c", shell, CORVELUX_PROGRAM} + arguments);
    if (!program.waitForFinished() || program.exitStatus() != QProcess::NormalExit)
        return {};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
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

    void outcomes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");  // the message or the complaint, alone on its line
        const QString none;
        const auto calcular = [](const char *ir, const char *diameter, const char *eps) {
            return QStringList{"--calcular", ir, diameter, eps};
        };
        QTest::newRow("diamond") << calcular("2.419", "10", "10") << 0 << none;
        QTest::newRow("quartz") << calcular("1.540", "10", "12") << 0 << none;
        QTest::newRow("IR -3") << calcular("-3", "10", "10") << 1 << Messages::irTooSmall;
        QTest::newRow("quartz, épsilon 0") << calcular("1.544", "10", "0") << 0 << none;
        QTest::newRow("crown") << calcular("1.5", "10", "40") << 1 << Messages::negativeCrown;
        QTest::newRow("épsilon") << calcular("4", "10", "95") << 1 << Messages::epsilonRange;
        QTest::newRow("unmatched") << calcular("2.4175", "10", "10") << 1 << Messages::irUnmatched;
        QTest::newRow("out of scale")
            << calcular("1.001", "1E308", "0") << 1 << Messages::outOfScale;
        QTest::newRow("step 0") << QStringList{"--tabla", "1.5", "2", "0"} << 1
                                << ChartMessages::stepNotPositive;
        QTest::newRow("reversed") << QStringList{"--tabla", "2", "1.5", ".1"} << 1
                                  << ChartMessages::reversed;
        QTest::newRow("10001 rows")
            << QStringList{"--tabla", "1", "11", ".001"} << 1 << ChartMessages::tooManyRows;
        const QString notANumber =
            QStringLiteral("corvelux: no es un número con punto decimal: «%1»");
        QTest::newRow("step x") << QStringList{"--tabla", "1.5", "2", "x"} << 2
                                << notANumber.arg("x");
        QTest::newRow("épsilon 1,5")
            << QStringList{"--gemas", "--epsilon", "1,5"} << 2 << notANumber.arg("1,5");
        QTest::newRow("IR 2,419") << calcular("2,419", "10", "10") << 2 << notANumber.arg("2,419");
        QTest::newRow("D empty") << calcular("2.419", "", "10") << 2 << notANumber.arg("");
        QTest::newRow("épsilon nan")
            << QStringList{"--gemas", "--epsilon", "nan"} << 2 << notANumber.arg("nan");
        QTest::newRow("IR inf") << calcular("inf", "10", "10") << 2 << notANumber.arg("inf");
        const QString nearZero = "corvelux: número demasiado grande o demasiado cercano a 0: «%1»";
        QTest::newRow("1e-400") << calcular("2.419", "10", "1e-400") << 2 << nearZero.arg("1e-400");
        QTest::newRow("step .0005") << QStringList{"--tabla", "1.5", "2", ".0005"} << 1
                                    << ChartMessages::stepNotThousandths;
        QTest::newRow("no file name")
            << QStringList{"--calcular", "2.419", "10", "10", "--exportar", ""} << 2
            << "corvelux: falta el nombre del archivo después de «--exportar»";
        QTest::newRow("two values") << QStringList{"--calcular", "2.419", "10"} << 2
                                    << "corvelux: faltan valores después de «--calcular»";
        QTest::newRow("four values") << QStringList{"--calcular", "2.419", "10", "10", "7"} << 2
                                     << "corvelux: argumento no esperado «7»";
        QTest::newRow("unknown") << QStringList{"--calcula"} << 2
                                 << "corvelux: opción no reconocida «--calcula»";
        QTest::newRow("argument") << QStringList{"extra-argument"} << 2
                                  << "corvelux: argumento no esperado «extra-argument»";
        QTest::newRow("second option") << QStringList{"--help", "--version"} << 2
                                       << "corvelux: argumento no esperado «--version»";
        const auto receta = [](const char *ir, const char *diameter, const char *eps) {
            return QStringList{"--receta", ir, diameter, eps};
        };
        QTest::newRow("recipe, crown") << receta("1.5", "10", "40") << 1 << Messages::negativeCrown;
        QTest::newRow("recipe, crown below the girdle")
            << receta("1.29", "10", "29.128") << 1 << stone::uncuttableMessage(1.29);
        QTest::newRow("recipe, weight out of scale")
            << receta("2.419", "1E120", "10") << 1 << Messages::outOfScale;
        QTest::newRow("recipe, IR 2,419")
            << receta("2,419", "10", "10") << 2 << notANumber.arg("2,419");
        QTest::newRow("recipe, no star") << receta("2.419", "10", "10") + QStringList{"--estrella"}
                                         << 2 << "corvelux: faltan valores después de «--estrella»";
        const auto verificar = [](QStringList options) {
            return QStringList{"--verificar", "2.417", "10", "10"} + options;
        };
        QTest::newRow("check IR -3")
            << QStringList{"--verificar", "-3", "10", "10"} << 1 << Messages::irTooSmall;
        QTest::newRow("check D 1,5")
            << QStringList{"--verificar", "2.417", "1,5", "10"} << 2 << notANumber.arg("1,5");
        QTest::newRow("check --indice")
            << verificar({"--indice", "96"}) << 2 << "corvelux: argumento no esperado «--indice»";
        QTest::newRow("check --cabeza")
            << verificar({"--cabeza"}) << 2 << "corvelux: faltan valores después de «--cabeza»";
    }

    // Rejections and usage errors write standard error only; computations
    // print what the window shows for the same texts.
    void outcomes() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, err);
        const Run run = corvelux(arguments);
        QCOMPARE(run.status, status);
        QCOMPARE(run.err, status == 0 ? QString() : err + u'\n' + (status == 2 ? usageText() : ""));
        QCOMPARE(run.out.isEmpty(), status != 0);
        if (status != 2 && arguments.size() == 4 && arguments[0] == QLatin1String("--calcular")) {
            QCOMPARE((status == 0 ? run.out : run.err).simplified(),
                     windowOutput(arguments.mid(1)).simplified());
        }
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
    // that gives no format is rejected with nothing printed.
    void exportsTheCutSheet_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");  // of the file; empty: none written
        QTest::addColumn<QString>("ir");
        QTest::newRow("PDF") << "hoja.pdf" << QByteArray("%PDF") << "2.419";
        QTest::newRow("SVG") << "hoja.svg" << QByteArray("<?xml") << "2.419";
        QTest::newRow("PNG") << "hoja.PNG" << QByteArray("\x89PNG") << "2.419";
        QTest::newRow("no format") << "hoja.doc" << QByteArray() << "2.419";
        QTest::newRow("IR rejected") << "hoja.pdf" << QByteArray() << "1";
    }

    void exportsTheCutSheet() {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        QFETCH(QString, ir);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        const Run run = corvelux({"--calcular", ir, "10", "10", "--exportar", path});
        QFile sheet(path);
        QCOMPARE(sheet.open(QIODevice::ReadOnly), !start.isEmpty());
        QVERIFY(sheet.read(start.size()) == start);
        QCOMPARE(run.status, start.isEmpty() ? 1 : 0);
        QCOMPARE(run.out.startsWith(QLatin1String("IR = 2.419\n")), !start.isEmpty());
        QCOMPARE(run.err.isEmpty(), !start.isEmpty());
    }

    // The read-out's lines keep their blanks (the help's worked example).
    void diamondReadOut() {
        QCOMPARE(corvelux({"--calcular", "2.419", "10", "10"}).out,
                 QStringLiteral("IR = 2.419\n     i =  34.93 º\nalfa =  40.71 º\n"
                                "     D =  10  mm.\n     a =  5.377 mm.\n     b =  2.311 mm.\n"
                                "     H =  5.918\n     q =  1.614\n     n =  4.303\n"));
    }

    // A value out of its range is one line, without the usage.
    void cutOptionRanges_data() {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QStringList>("option");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("girdle") << "--receta" << QStringList{"--filetin", "10.5"}
                                << "el filetín debe medir de 0 a 10 (% de D): «10.5»";
        QTest::newRow("star") << "--receta" << QStringList{"--estrella", "9"}
                              << "la longitud de las estrellas debe ir de 10 a 90 (%): «9»";
        QTest::newRow("lower halves")
            << "--receta" << QStringList{"--pabellon-inferior", "91"}
            << "la longitud de las medias del pabellón debe ir de 10 a 90 (%): «91»";
        QTest::newRow("gear")
            << "--receta" << QStringList{"--indice", "96.5"}
            << "la rueda de índice debe tener 64, 72, 80, 96 o 120 dientes: «96.5»";
        QTest::newRow("density") << "--receta" << QStringList{"--densidad", "0"}
                                 << "la densidad debe ser mayor que 0: «0»";
        QTest::newRow("head") << "--verificar" << QStringList{"--cabeza", "90"}
                              << "la cabeza del observador debe ir de 0 a 89 grados: «90»";
        QTest::newRow("rays")
            << "--verificar" << QStringList{"--rayos", "20.5"}
            << "los rayos de lado deben ser un número entero de 10 a 2000: «20.5»";
    }

    void cutOptionRanges() {
        QFETCH(QString, request);
        QFETCH(QStringList, option);
        QFETCH(QString, complaint);
        const Run run = corvelux(QStringList{request, "2.419", "10", "10"} + option);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err, "corvelux: " + complaint + u'\n');
    }

    // The CSV has a row per tier in cutting order; the halves miss the 72
    // gear's teeth by 1.25°. Without --densidad the table names the gem.
    void recipe() {
        const QStringList diamond{"--receta", "2.419", "10", "10", "--indice", "72"};
        const QList<QStringList> records =
            csvRecords(corvelux(diamond + QStringList{"--csv"}).out, u',');
        QCOMPARE(records.size(), 8);
        QCOMPARE(records[2].join(u','),
                 "P2,Medias del pabellón,16,41.80,11.25,"
                 "02-07-11-16-20-25-29-34-38-43-47-52-56-61-65-70,1.25");
        QVERIFY(corvelux(diamond).out.contains(
            "\nDensidad:                    3.52 g/cm³ (de Diamante, la gema de la lista con el IR "
            "más cercano)\n"));
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
                                      << "1.001" << 2 << Messages::irTooSmall;
        QTest::newRow("from 23000") << QStringList{"--tabla", "23000", "23000.010", "0.001"} << 11
                                    << "23000.010" << 0 << QString();
        QTest::newRow("gems") << QStringList{"--gemas"} << gems << lastGem << 0 << QString();
        QTest::newRow("gems, decimal comma")
            << QStringList{"--gemas", "--coma-decimal"} << gems
            << QString(lastGem).replace(u'.', u',') << 0 << QString();
        QTest::newRow("gems, épsilon 95") << QStringList{"--gemas", "--epsilon", "95"} << gems
                                          << lastGem << gems << Messages::negativeCrown;
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
            QCOMPARE(fields[0], gem ? commonGems()[row - 1].name : fields[0]);
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
        QStringList cuts;
        for (const QStringList &record : records.mid(1)) {
            cuts << record[0];
            double shares = 0;
            for (const QString &share : record.mid(15))
                shares += share.toDouble();
            QVERIFY2(std::abs(shares - 100) < 0.05, qPrintable(record.join(u',')));
        }
        QCOMPARE(cuts,
                 (QStringList{"Calculada", "Tolkowsky (1919)", "Referencia GIA", "Excelente"}));
        QCOMPARE(records[0].join(u','),
                 "talla,IR,mesa,corona,pabellon,filetin,estrella,pabellon_inferior,altura_corona,"
                 "profundidad_pabellon,profundidad_total,volumen,brillo_iso,brillo_cos,"
                 "brillo_inclinado,reflejo_externo,fuga,banda_0_45,banda_45_75,banda_75_90,resto");
    }

    void shellRuns_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("shell");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");  // its first line
        QTest::newRow("full") << QStringList{"--gemas"} << R"(exec "$0" "$@" >/dev/full)" << 1
                              << outputFailure;
        QTest::newRow("closed") << QStringList{"--calcular", "2.419", "10", "10"}
                                << R"(exec "$0" "$@" >&-)" << 1 << outputFailure;
        QTest::newRow("reader gone")
            << QStringList{"--tabla", "1.001", "4.000", "0.001"}
            << R"(s=$( { { "$0" "$@"; echo $? >&3; } | true; } 3>&1 ); exit $s)" << 1
            << outputFailure;
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
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"

#include "cli/CommandLine.h"
#include "cli/HeadlessRunner.h"
#include "tests/support/MarkingTranslator.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>
#include <algorithm>

namespace {

// The command line's answer, standard output and standard error in turn, as
// runCommandLine gives it once the program's language is installed.
QString answer(const QStringList &arguments, int &status) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    status = runHeadless(parseCommandLine(arguments), outStream, errStream);
    outStream.flush();
    errStream.flush();
    return out + err;
}

// The lines where a reader finds words that no translation reached, less
// what every language writes alike: option names and the program's name.
QStringList untranslatedLines(const QString &output) {
    const QRegularExpression alike(QStringLiteral("--[a-z][a-z-]*|corvelux|CORVELUX"));
    QStringList lines;
    for (const QString &line : MarkingTranslator::unmarked(output).split(u'\n')) {
        const QString words = QString(line).remove(alike);
        if (std::any_of(words.begin(), words.end(), [](QChar c) { return c.isLetter(); }))
            lines.append(line);
    }
    return lines;
}

// The real program on an English desktop.
QString programOutput(const QStringList &arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CORVELUX_PROGRAM), arguments);
    program.waitForFinished();
    return QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
}

}  // namespace

class TestTranslatedCommandLine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Every answer, result or complaint, in words of the translation only.
    void everyWordTranslated_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        const auto row = [](const char *name, const QStringList &arguments, ExitStatus status) {
            QTest::newRow(name) << arguments << int(status);
        };
        row("--help", {"--help"}, exitDone);
        row("--version", {"--version"}, exitDone);
        row("bad number", {"--calcular", "2,419", "10", "10"}, exitWrongUsage);
        row("wrong option", {"--calcula"}, exitWrongUsage);
        row("repeated option", {"--gemas", "--epsilon", "1", "--epsilon", "2"}, exitWrongUsage);
        row("missing values", {"--optimizar", "2.417"}, exitWrongUsage);
        row("--idioma xx", {"--idioma", "xx", "--help"}, exitWrongUsage);
        row("out of range", {"--receta", "2.419", "10", "10", "--filetin", "10.5"}, exitWrongUsage);
        row("reversed range", {"--optimizar", "2.417", "10", "--mesa", "60", "50"}, exitWrongUsage);
        row("--calcular", {"--calcular", "2.419", "10", "10"}, exitDone);
        row("--calcular, rejected", {"--calcular", "1", "10", "10"}, exitRejected);
        row("--receta", {"--receta", "2.419", "10", "10"}, exitDone);
    }
    void everyWordTranslated() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        const MarkingTranslator marking;
        int answered = -1;
        const QString output = answer(arguments, answered);
        QCOMPARE(answered, status);
        QVERIFY(!output.isEmpty());
        const QStringList left = untranslatedLines(output);
        // Until stone/ translates them; the unexpected pass then says so.
        QEXPECT_FAIL("--receta", "stone/ writes the recipe table's heading and \"redondo\"",
                     Continue);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
    }

    // --idioma es on an English desktop: the Spanish texts as they have always read.
    void spanishAsItWas_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("start");
        QTest::newRow("usage") << QStringList{"--help"}
                               << "Uso: corvelux [OPCIÓN]\n     corvelux --calcular IR D EPSILON "
                                  "[--exportar ARCHIVO [--filetin G] [--estrella S]\n";
        QTest::newRow("bad number")
            << QStringList{"--receta", "2,419", "10", "10"}
            << "corvelux: no es un número con punto decimal: «2,419»\nUso: corvelux [OPCIÓN]\n";
        QTest::newRow("out of range")
            << QStringList{"--receta", "2.419", "10", "10", "--filetin", "10.5"}
            << "corvelux: el filetín debe medir de 0 a 10 (% de D): «10.5»\n";
        QTest::newRow("--calcular") << QStringList{"--calcular", "2.419", "10", "10"}
                                    << "IR = 2.419\n     i =  34.93 º\nalfa =  40.71 º\n";
    }
    void spanishAsItWas() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, start);
        const QString output = programOutput(QStringList{"--idioma", "es"} + arguments);
        QVERIFY2(output.startsWith(start), qPrintable(output.left(300)));
    }
};

QTEST_MAIN(TestTranslatedCommandLine)
#include "tst_translatedcommandline.moc"

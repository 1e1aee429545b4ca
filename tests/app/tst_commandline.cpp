#include <QProcess>
#include <QTest>

// The program answers its options on the terminal with no display at all:
// neither an X or Wayland display nor a Qt platform is named.
class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answersWithoutDisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("alsoSays");

        const QString usage = QStringLiteral("Uso: corvelux [OPCIÓN]\n");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << usage
                                << "  --version  muestra la versión y la licencia y termina\n";
        QTest::newRow("--version")
            << QStringList{"--version"} << 0 << "CORVELUX " CORVELUX_VERSION "\n"
            << "Licencia GPLv3 o posterior: GNU GPL versión 3 o posterior";
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << 2 << "corvelux: opción no reconocida «--bogus»\n" + usage
            << "  --help ";
        QTest::newRow("argument") << QStringList{"extra-argument"} << 2
                                  << "corvelux: argumento no esperado «extra-argument»\n" + usage
                                  << "  --version ";
        QTest::newRow("second option")
            << QStringList{"--help", "--version"} << 2
            << "corvelux: argumento no esperado «--version»\n" + usage << "  --help ";
    }

    void answersWithoutDisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitStatus);
        QFETCH(QString, start);
        QFETCH(QString, alsoSays);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(CORVELUX_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(10000));

        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitStatus);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        const QString &answer = exitStatus == 0 ? out : err;
        QVERIFY2(answer.startsWith(start), qPrintable(answer));
        QVERIFY2(answer.contains(alsoSays), qPrintable(answer));
        QCOMPARE(exitStatus == 0 ? err : out, QString());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"

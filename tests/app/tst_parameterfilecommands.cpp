#include "app/ParameterCommands.h"
#include "app/QtMessageSink.h"
#include "files/ParameterFile.h"
#include "tests/files/tst_parameterfile_files.h"
#include "tests/support/MainWindowControls.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScriptedCuadro.h"
#include "windows/Form1.h"

#include <QAccessible>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A main window as it opens, with the controls the commands touch.
struct Window {
    Window() { form.show(); }

    // Everything the commands may change, to prove that something did not.
    QStringList state() const {
        QStringList result;
        for (const QLineEdit *field :
             {ui.Text1, ui.Text2, ui.Text3, ui.Text4, ui.Text5, ui.Text6, ui.Text7})
            result.append(field->text());
        for (const QWidget *control : QList<const QWidget *>{ui.Text7, ui.Label11, ui.Label13})
            result.append(control->isVisible() ? QStringLiteral("shown")
                                               : QStringLiteral("hidden"));
        return result;
    }

    void type(const QString &ir, const QString &d, const QString &eps) {
        form.setInputs(ir, d, eps);
    }

    Form1 form;
    MainWindowControls ui{form};
};

// What one test works with: a fresh window, folder, dialog and message box.
struct Session {
    QTemporaryDir dir;
    Window window;
    ScriptedCuadro cuadro;
    RecordingMessageSink messages;

    QString path(const QString &name) const { return dir.filePath(name); }

    void save(const QString &answer) {
        cuadro.answer(answer);
        saveParameterFile(cuadro, window.form, messages);
    }
    void open(const QString &answer) {
        cuadro.answer(answer);
        openParameterFile(cuadro, window.form, messages);
    }
    QStringList inputs() const {
        return {window.ui.Text1->text(), window.ui.Text3->text(), window.ui.Text2->text()};
    }
    QStringList labels() const {
        return {window.ui.Text4->text(), window.ui.Text5->text(), window.ui.Text6->text()};
    }
};

}  // namespace

class TestParameterFileCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<Session> s;

private slots:
    void init() { s = std::make_unique<Session>(); }

    // Each saved file is opened again: the notice line shows what was
    // written, and the fields get the values back.
    void savesTheSixTextsRunTogether_data() {
        QTest::addColumn<bool>("afterOpen");
        QTest::addColumn<QStringList>("typed");  // IR, D, épsilon
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("back");

        const QStringList diamond{"2.419", "10", "10"};
        QTest::newRow("diamond before any open")
            << false << diamond << QByteArray("  IR=2.419  D=10  eps.=10")
            << QStringLiteral("  IR=2.419  D=10  eps.=10") << diamond;
        QTest::newRow("diamond after an open")
            << true << diamond << QByteArray("IR= 2.419  D= 10  eps= 10")
            << QStringLiteral("IR= 2.419  D= 10  eps= 10") << diamond;
        QTest::newRow("blanks after an open")
            << true << QStringList{" 1.54", "8 ", ""} << QByteArray("IR=  1.54  D= 8   eps= ")
            << QStringLiteral("IR=  1.54  D= 8   eps= ") << QStringList{" 1.54", "8 ", ""};
        QTest::newRow("empty before any open")
            << false << QStringList{"", "", ""} << QByteArray("  IR=  D=  eps.=")
            << QStringLiteral("  IR=  D=  eps.=") << QStringList{"", "", ""};
        QTest::newRow("unchecked text")
            << false << QStringList{"abc", " 1 ", "x"} << QByteArray("  IR=abc  D= 1   eps.=x")
            << QStringLiteral("  IR=abc  D= 1   eps.=x") << QStringList{"abc", " 1 ", "x"};
        QTest::newRow("non-ASCII")
            << false << QStringList{"é", "10º", "ñ€"}
            << QByteArray("  IR=\xE9  D=10\xBA  eps.=\xF1\x80")
            << QStringLiteral("  IR=é  D=10º  eps.=ñ€") << QStringList{"é", "10º", "ñ€"};
        QTest::newRow("outside the code page")
            << false << QStringList{"Ω", "10", "10"} << QByteArray("  IR=?  D=10  eps.=10")
            << QStringLiteral("  IR=?  D=10  eps.=10") << QStringList{"?", "10", "10"};
    }
    void savesTheSixTextsRunTogether() {
        QFETCH(bool, afterOpen);
        QFETCH(QStringList, typed);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QFETCH(QStringList, back);
        if (afterOpen) {
            createFile(s->path("previo.txt"), "");
            s->open(s->path("previo.txt"));
        }
        s->window.type(typed[0], typed[1], typed[2]);

        s->save(s->path("gema"));
        QCOMPARE(contentsOf(s->path("gema")), bytes);
        s->window.type(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
        s->open(s->path("gema"));
        QCOMPARE(s->window.ui.Text7->text(), shown);
        QCOMPARE(s->inputs(), back);
        QCOMPARE(s->messages.messages(), QStringList());
    }

    void savingRightAfterAnOpenWritesSeventeenBytes() {
        createFile(s->path("previo.txt"), "  IR=2.42");
        s->open(s->path("previo.txt"));
        s->save(s->path("gema.txt"));
        const QByteArray bytes = contentsOf(s->path("gema.txt"));
        QCOMPARE(bytes, QByteArray("IR=    D=   eps= "));
        QCOMPARE(bytes.size(), 17);
    }

    void savingChangesNothingInTheWindow() {
        s->window.type(QStringLiteral("2.419"), QStringLiteral("10"), QStringLiteral("10"));
        const QStringList before = s->window.state();
        s->save(s->path("gema.txt"));
        QCOMPARE(s->window.state(), before);
    }

    void openShowsTheTextAndAsksForTheValues() {
        createFile(s->path("diamante.txt"), "  IR=2.419  D=10  eps.=10");
        s->window.type(QStringLiteral("1.54"), QStringLiteral("8"), QStringLiteral("12"));
        QVERIFY(s->window.ui.Label11->isVisible());

        s->open(s->path("diamante.txt"));
        QCOMPARE(s->window.ui.Text1->text(), QStringLiteral("2.419"));
        QCOMPARE(s->window.ui.Text2->text(), QStringLiteral("10"));
        QCOMPARE(s->window.ui.Text3->text(), QStringLiteral("10"));
        QCOMPARE(s->window.ui.Text7->text(), QStringLiteral("  IR=2.419  D=10  eps.=10"));
        QVERIFY(s->window.ui.Text7->isVisible());
        QVERIFY(s->window.ui.Label13->isVisible());
        QVERIFY(!s->window.ui.Label11->isVisible());
        QCOMPARE(s->labels(), (QStringList{"IR= ", "  D= ", "  eps= "}));
        QVERIFY(s->window.ui.Text4->isHidden() && s->window.ui.Text5->isHidden() &&
                s->window.ui.Text6->isHidden());
        QCOMPARE(s->messages.messages(), QStringList());
    }

    void secondOpenReplacesTheText() {
        createFile(s->path("uno.txt"), "  IR=2.42");
        createFile(s->path("dos.txt"), "IR= 1.54");
        s->open(s->path("uno.txt"));
        s->window.type(QStringLiteral("2.42"), QStringLiteral("5"), QStringLiteral("0"));

        s->open(s->path("dos.txt"));
        QCOMPARE(s->window.ui.Text7->text(), QStringLiteral("IR= 1.54"));
        QCOMPARE(s->window.ui.Text1->text(), QStringLiteral(" "));
        QCOMPARE(s->window.ui.Text3->text(), QString());
        QCOMPARE(s->labels(), (QStringList{"IR= ", "  D= ", "  eps= "}));
    }

    void openShowsAnyText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");

        QTest::newRow("empty file") << QByteArray() << QString();
        QTest::newRow("several lines") << QByteArray("IR=2.42\r\nD=10\nepsilon=10\r\n")
                                       << QStringLiteral("IR=2.42\r\nD=10\nepsilon=10\r\n");
        QTest::newRow("non-ASCII") << QByteArray("\xE9\xBA\xF1\x80") << QStringLiteral("éºñ€");
        QTest::newRow("UTF-8") << QByteArray("rub\xC3\xAD") << QStringLiteral("rubí");
        QTest::newRow("UTF-8 after a byte order mark") << QByteArray("\xEF\xBB\xBFIR") << "IR";
        // Not quite the program's own text: the values are typed again.
        for (const char *text :
             {"  IR=2  D= 3  eps= 4", "IR= 1.54  D= 8", "IR= 1.54  D= 8  eps= 2\n",
              "  IR=2.419  D=10  eps.=10\r", "IR= 1.54\r  D= 8  eps= 2"})
            QTest::newRow(text) << QByteArray(text) << QString::fromLatin1(text);
        QTest::newRow("opened as a whole")
            << QByteArray(ParameterFile::maxSize, 'x') << QString(ParameterFile::maxSize, u'x');
    }
    void openShowsAnyText() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        createFile(s->path("archivo"), bytes);
        s->window.type(QStringLiteral("2.42"), QStringLiteral("5"), QStringLiteral("0"));

        s->open(s->path("archivo"));
        QCOMPARE(s->window.ui.Text7->text(), shown);
        QCOMPARE(s->window.ui.Text7->cursorPosition(), 0);  // shows the start
        QVERIFY(s->window.ui.Text7->isVisible());
        QCOMPARE(s->window.ui.Text1->text(), QStringLiteral(" "));
        QCOMPARE(s->window.ui.Text2->text(), QString());
        QCOMPARE(s->labels(), (QStringList{"IR= ", "  D= ", "  eps= "}));
    }

    void openOffersAllFilesFirst() {
        s->open(QString());
        QCOMPARE(s->cuadro.requests().size(), 1);
        QCOMPARE(s->cuadro.requests()[0].mode, Cuadro::Mode::Open);
        const FileTypes expected{{"Todos los archivos(*.*)", "*.*", {}},
                                 {"Archivos de texto(*.txt)", "*.txt", {}}};
        QVERIFY(s->cuadro.requests()[0].fileTypes == expected);
    }

    void saveOffersTextFilesOnly() {
        s->save(QString());
        QCOMPARE(s->cuadro.requests().size(), 1);
        QCOMPARE(s->cuadro.requests()[0].mode, Cuadro::Mode::Save);
        const FileTypes expected{{"Archivos de texto (*.txt)", "*.txt", {}}};
        QVERIFY(s->cuadro.requests()[0].fileTypes == expected);
    }

    void keepsTheChosenNameAcrossBothCommands() {
        QCOMPARE(s->cuadro.fileName(), QString());
        s->save(s->path("gema.txt"));
        QCOMPARE(s->cuadro.fileName(), s->path("gema.txt"));
        s->open(QString());
        QCOMPARE(s->cuadro.fileName(), s->path("gema.txt"));
        s->open(s->path("gema.txt"));
        QCOMPARE(s->cuadro.fileName(), s->path("gema.txt"));
    }

    // An empty answer is a cancelled dialog: after an earlier choice too, the
    // commands neither touch that file nor change the window.
    void cancelChangesNothing() {
        s->window.type(QStringLiteral("2.419"), QStringLiteral("10"), QStringLiteral("10"));
        s->save(s->path("gema.txt"));
        s->open(s->path("gema.txt"));
        s->window.type(QStringLiteral("1.54"), QStringLiteral("8"), QStringLiteral("12"));
        createFile(s->path("gema.txt"), "otro contenido");
        const QStringList before = s->window.state();

        s->save(QString());
        s->open(QString());
        QCOMPARE(contentsOf(s->path("gema.txt")), QByteArray("otro contenido"));
        QCOMPARE(s->window.state(), before);
        QCOMPARE(QDir(s->dir.path()).entryList(QDir::Files), QStringList{"gema.txt"});
        QCOMPARE(s->messages.messages(), QStringList());
    }

    // The exact texts are tested with the file functions; here, that the
    // command shows the one message and leaves the window alone.
    void failedOpenReportsOnceAndChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << "falta.txt";
        QTest::newRow("folder") << "carpeta";
        QTest::newRow("too large") << "video.avi";
        QTest::newRow("FIFO") << "tuberia";  // would block until written to
    }
    void failedOpenReportsOnceAndChangesNothing() {
        QFETCH(QString, name);
        QVERIFY(QDir(s->dir.path()).mkdir("carpeta"));
        createFile(s->path("video.avi"), QByteArray(ParameterFile::maxSize + 1, 'v'));
        createFifo(s->path("tuberia"));
        s->window.type(QStringLiteral("2.419"), QStringLiteral("10"), QStringLiteral("10"));
        const QStringList before = s->window.state();

        s->open(s->path(name));
        const QString expected = ParameterFile::read(s->path(name)).error;
        QVERIFY(!expected.isEmpty());
        QCOMPARE(s->messages.messages(), QStringList{expected});
        QCOMPARE(s->window.state(), before);
    }

    // What a screen reader reads is what the box shows: the name, not markup.
    void messageShowsARichTextNameAsWritten() {
        const QString fileName = s->path("<h1>gema<img src=x>");
        QString shown;
        QTimer::singleShot(0, [&shown] {
            QWidget *const box = QApplication::activeModalWidget();
            auto *const label = box->findChild<QWidget *>("qt_msgbox_label");
            shown = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
            box->close();
        });
        QtMessageSink sink(nullptr);
        s->cuadro.answer(fileName);
        openParameterFile(s->cuadro, s->window.form, sink);
        QCOMPARE(shown, QStringLiteral("No se encuentra el archivo \"%1\".").arg(fileName));
    }

    void failedSaveReportsOnceAndKeepsTheOldFile() {
        const QString fileName = s->path(nameAtTheLimit());
        createFile(fileName, "  IR=2.419  D=10  eps.=10");
        s->window.type(QStringLiteral("1.54"), QStringLiteral("8"), QStringLiteral("12"));
        const QStringList before = s->window.state();

        s->save(fileName);
        QCOMPARE(s->messages.messages().size(), 1);
        QVERIFY(s->messages.messages()[0].startsWith(
            QStringLiteral("No se pudo guardar el archivo \"%1\".").arg(fileName)));
        QCOMPARE(contentsOf(fileName), QByteArray("  IR=2.419  D=10  eps.=10"));
        QCOMPARE(s->window.state(), before);
    }

    void saveUnderAFolderNameReportsOnce() {
        QVERIFY(QDir(s->dir.path()).mkdir(QStringLiteral("carpeta")));
        s->save(s->path("carpeta"));
        QCOMPARE(
            s->messages.messages(),
            QStringList{
                QStringLiteral("\"%1\" es una carpeta, no un archivo.").arg(s->path("carpeta"))});
        QVERIFY(QFileInfo(s->path("carpeta")).isDir());
    }
};

QTEST_MAIN(TestParameterFileCommands)
#include "tst_parameterfilecommands.moc"

#include "files/CutSheetFile.h"
#include "files/QtCuadro.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const FileTypes openTypes{{"Todos los archivos(*.*)", "*.*", {}},
                          {"Archivos de texto(*.txt)", "*.txt", {}}};
const FileTypes saveTypes{{"Archivos de texto (*.txt)", "*.txt", {}}};

// The names the dialog lists in its folder, once the folder has been read.
QStringList listedNames(const QFileDialog &dialog) {
    const auto *model = dialog.findChild<QFileSystemModel *>();
    if (model == nullptr)
        return {QStringLiteral("<no model>")};
    const QModelIndex folder = model->index(dialog.directory().absolutePath());
    QStringList names;
    for (int row = 0; row < model->rowCount(folder); ++row)
        names.append(model->index(row, 0, folder).data().toString());
    names.sort();
    return names;
}

// The dialog's list of file types.
QComboBox *typeList(const QFileDialog &dialog) {
    const QList<QComboBox *> lists = dialog.findChildren<QComboBox *>();
    for (QComboBox *list : lists) {
        if (list->findText(dialog.nameFilters().constFirst()) >= 0)
            return list;
    }
    return nullptr;
}

}  // namespace

// Only the set-up is tested: the modal run of a real dialog would wait for a
// user.
class TestParameterFileDialog : public QObject {
    Q_OBJECT

private slots:
    void setsUpTheOpenDialog() {
        QFileDialog dialog;
        setUpFileDialog(dialog, Cuadro::Mode::Open, openTypes);
        QCOMPARE(dialog.nameFilters(),
                 (QStringList{"Todos los archivos(*.*)", "Archivos de texto(*.txt)"}));
        QCOMPARE(dialog.selectedNameFilter(), QStringLiteral("Todos los archivos(*.*)"));
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(dialog.defaultSuffix(), QString());
    }

    void setsUpTheSaveDialog() {
        QFileDialog dialog;
        setUpFileDialog(dialog, Cuadro::Mode::Save, saveTypes);
        QCOMPARE(dialog.nameFilters(), QStringList{"Archivos de texto (*.txt)"});
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog.fileMode(), QFileDialog::AnyFile);
        QCOMPARE(dialog.defaultSuffix(), QString());
    }

    // Before a file is replaced the dialog asks, with the name in plain text
    // whatever it holds; "No" keeps the dialog open.
    void asksInPlainTextBeforeReplacing() {
        QTemporaryDir dir;
        const QString name = QStringLiteral("<h1>gema.txt");
        QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
        CuadroDialog dialog(nullptr, Cuadro::Mode::Save, saveTypes);
        dialog.setDirectory(dir.path());
        dialog.selectFile(name);
        dialog.show();
        QString asked;
        QTimer::singleShot(0, &dialog, [&dialog, &asked] {
            QMessageBox *const box = dialog.findChild<QMessageBox *>();
            asked = box->textFormat() == Qt::PlainText ? box->text() : QString();
            box->button(QMessageBox::No)->click();
        });
        dialog.accept();
        QCOMPARE(asked, replaceQuestion(name));
        QVERIFY(dialog.isVisible());
    }

    // The user types a name, picks a type and presses Guardar: the dialog
    // asks about the file that will be written, the name completed by the
    // type, and refuses a name with a double quote, which Qt would read as
    // several names and so write another file. Only a folder typed is
    // opened without a question.
    void asksAboutTheFileToBeWritten_data() {
        QTest::addColumn<bool>("sheet");  // the cut sheet's types, else the parameter file's
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("existing");  // a name ending in "/" is a folder
        QTest::addColumn<QString>("asked");         // the box's text; empty: none
        QTest::addColumn<int>("reply");
        QTest::addColumn<QString>("chosen");  // empty: the dialog stays open

        const int no = QMessageBox::No, yes = QMessageBox::Yes, ok = QMessageBox::Ok;
        const QStringList notas{"notas.pdf"};
        QTest::newRow("PDF chosen, notas.pdf there")
            << true << 0 << "notas" << notas << replaceQuestion("notas.pdf") << no << QString();
        QTest::newRow("PDF chosen, replaced")
            << true << 0 << "notas" << notas << replaceQuestion("notas.pdf") << yes << "notas.pdf";
        QTest::newRow("SVG chosen, notas.pdf there")
            << true << 1 << "notas" << notas << QString() << no << "notas.svg";
        QTest::newRow("extension typed")
            << true << 1 << "notas.pdf" << notas << replaceQuestion("notas.pdf") << no << QString();
        QTest::newRow("a number is no extension")
            << true << 0 << "hoja-2.419" << QStringList{"hoja-2.419.pdf"}
            << replaceQuestion("hoja-2.419.pdf") << no << QString();
        QTest::newRow("folder typed") << true << 0 << "notas" << QStringList{"notas/", "notas.pdf"}
                                      << QString() << no << QString();
        QTest::newRow("parameter file, as typed")
            << false << 0 << "notas" << QStringList{"notas.txt"} << QString() << no << "notas";
        QTest::newRow("parameter file there") << false << 0 << "notas" << QStringList{"notas"}
                                              << replaceQuestion("notas") << no << QString();
        for (const char *quoted : {"informe\"final.pdf", "mis \"valores\".txt", "\"final.pdf\""}) {
            QTest::newRow(quoted) << true << 0 << quoted << QStringList{"final.pdf", "valores"}
                                  << quotedNameRefusal(quoted) << ok << QString();
        }
        QTest::newRow("parameter file, quoted")
            << false << 0 << "mis \"valores\".txt" << QStringList()
            << quotedNameRefusal("mis \"valores\".txt") << ok << QString();
    }
    void asksAboutTheFileToBeWritten() {
        QFETCH(bool, sheet);
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QStringList, existing);
        QFETCH(QString, asked);
        QFETCH(int, reply);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        for (const QString &name : existing) {
            if (name.endsWith(u'/'))
                QVERIFY(QDir(dir.path()).mkdir(name.chopped(1)));
            else
                QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
        }
        const FileTypes types = sheet ? cutSheetFileTypes() : saveTypes;
        CuadroDialog dialog(nullptr, Cuadro::Mode::Save, types);
        dialog.setDirectory(dir.path());
        dialog.selectNameFilter(types.at(type).caption);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *const nameField = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(nameField != nullptr);
        nameField->setFocus();  // typing there, as Qt keeps the text of a field in focus
        QTest::keyClicks(nameField, typed);

        QString shown;
        QTimer::singleShot(0, &dialog, [&dialog, &shown, reply] {
            if (QMessageBox *const box = dialog.findChild<QMessageBox *>()) {
                shown = box->textFormat() == Qt::PlainText ? box->text() : QString();
                if (QAbstractButton *const button = box->button(QMessageBox::StandardButton(reply)))
                    button->click();
                else
                    box->done(QMessageBox::No);  // not the box expected
            }
        });
        dialog.accept();
        QCOMPARE(shown, asked);
        QCOMPARE(dialog.result() == QDialog::Accepted, !chosen.isEmpty());
        if (!chosen.isEmpty())
            QCOMPARE(dialog.chosenFileName(), dir.filePath(chosen));
    }

    // Title and folder stay what Qt chooses.
    void setsNoTitleAndNoFolder() {
        QFileDialog untouched;
        untouched.setAcceptMode(QFileDialog::AcceptSave);
        QFileDialog dialog;
        setUpFileDialog(dialog, Cuadro::Mode::Save, saveTypes);
        QCOMPARE(dialog.windowTitle(), untouched.windowTitle());
        QCOMPARE(dialog.directory(), untouched.directory());
    }

    // "*.*" lists every file, also the ones without a dot in their name; the
    // text type lists only text files, and picking all files again lists all.
    void listsAllFilesFirst() {
        QTemporaryDir dir;
        for (const char *name : {"gema", "gema.txt", "gema.par"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QStringList all{"gema", "gema.par", "gema.txt"};

        QFileDialog dialog;
        setUpFileDialog(dialog, Cuadro::Mode::Open, openTypes);
        dialog.setDirectory(dir.path());
        dialog.show();
        QTRY_COMPARE(listedNames(dialog), all);

        QComboBox *const types = typeList(dialog);
        QVERIFY(types != nullptr);
        QTest::keyClick(types, Qt::Key_Down);
        QCOMPARE(types->currentText(), QStringLiteral("Archivos de texto(*.txt)"));
        QTRY_COMPARE(listedNames(dialog), QStringList{"gema.txt"});
        QTest::keyClick(types, Qt::Key_Up);
        QTRY_COMPARE(listedNames(dialog), all);
    }
};

QTEST_MAIN(TestParameterFileDialog)
#include "tst_parameterfiledialog.moc"

#include "files/QtCuadro.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const FileTypes openTypes{{"Todos los archivos(*.*)", "*.*"},
                          {"Archivos de texto(*.txt)", "*.txt"}};
const FileTypes saveTypes{{"Archivos de texto (*.txt)", "*.txt"}};

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
        CuadroDialog dialog;
        setUpFileDialog(dialog, Cuadro::Mode::Save, saveTypes);
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
        QCOMPARE(asked, replaceQuestion.arg(name));
        QVERIFY(dialog.isVisible());
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

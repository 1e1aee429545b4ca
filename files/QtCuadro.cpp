#include "files/QtCuadro.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>

namespace {

// The patterns of a file type as Qt's dialog lists them. The dialog reads
// "*.*" literally, as names that contain a dot; for the program it means all
// files, as it always has.
QStringList listedPatterns(const FileType &type) {
    QStringList patterns = type.pattern.split(u';', Qt::SkipEmptyParts);
    for (QString &pattern : patterns) {
        if (pattern == u"*.*")
            pattern = QStringLiteral("*");
    }
    return patterns;
}

// Qt's dialog takes the patterns it lists from the caption. Make it list those
// of the file type instead, on opening and whenever the user picks a type.
void listOwnPatterns(QFileDialog &dialog, const FileTypes &types) {
    QFileSystemModel *const model = dialog.findChild<QFileSystemModel *>();
    if (model == nullptr || types.isEmpty())
        return;
    const auto useType = [model, types](qsizetype index) {
        if (index >= 0 && index < types.size())
            model->setNameFilters(listedPatterns(types.at(index)));
    };
    useType(0);
    QObject::connect(&dialog, &QFileDialog::filterSelected, model,
                     [&dialog, useType](const QString &caption) {
                         useType(dialog.nameFilters().indexOf(caption));
                     });
}

QStringList captions(const FileTypes &types) {
    QStringList result;
    for (const FileType &type : types)
        result.append(type.caption);
    return result;
}

}  // namespace

CuadroDialog::CuadroDialog(QWidget *parent, Cuadro::Mode mode, const FileTypes &types)
    : QFileDialog(parent), m_mode(mode), m_types(types) {
    setUpFileDialog(*this, mode, types);
}

QString CuadroDialog::chosenFileName() const {
    const QString selected = selectedFiles().value(0);
    if (m_mode == Cuadro::Mode::Open)
        return selected;
    return completedFileName(selected, m_types.value(selectedTypeIndex()));
}

qsizetype CuadroDialog::selectedTypeIndex() const {
    return nameFilters().indexOf(selectedNameFilter());
}

void CuadroDialog::accept() {
    if (m_mode == Cuadro::Mode::Save && (refusesQuotes() || !mayReplace()))
        return;
    QFileDialog::accept();
}

bool CuadroDialog::refusesQuotes() {
    const auto *typed = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (typed == nullptr || !typed->text().contains(u'"'))
        return false;
    tell(quotedNameRefusal(typed->text()), QMessageBox::Ok);
    return true;
}

bool CuadroDialog::mayReplace() {
    if (QFileInfo(selectedFiles().value(0)).isDir())
        return true;  // a folder is opened, not replaced
    const QFileInfo chosen(chosenFileName());
    if (!chosen.exists() || chosen.isDir())
        return true;  // the writer says why a folder cannot be replaced
    return tell(replaceQuestion(chosen.fileName()), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

QMessageBox::StandardButton CuadroDialog::tell(const QString &text,
                                               QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::Warning, windowTitle(), text, buttons, this);
    box.setTextFormat(Qt::PlainText);
    if (buttons.testFlag(QMessageBox::No))
        box.setDefaultButton(QMessageBox::No);
    return QMessageBox::StandardButton(box.exec());
}

QString replaceQuestion(const QString &fileName) {
    return QCoreApplication::translate("CuadroDialog",
                                       "El archivo \"%1\" ya existe.\n¿Desea reemplazarlo?")
        .arg(fileName);
}

QString quotedNameRefusal(const QString &typed) {
    return QCoreApplication::translate(
               "CuadroDialog",
               "El nombre «%1» lleva comillas dobles (\"), que este cuadro no admite en un "
               "nombre. Escríbalo sin ellas.")
        .arg(typed);
}

Cuadro::Answer QtCuadro::askFileName(Mode mode, const FileTypes &types, const QString &proposed) {
    CuadroDialog dialog(m_parent, mode, types);
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);  // a name with a folder opens that folder
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return {dialog.chosenFileName(), dialog.selectedTypeIndex()};
}

void setUpFileDialog(QFileDialog &dialog, Cuadro::Mode mode, const FileTypes &types) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (mode == Cuadro::Mode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);  // CuadroDialog asks
    }
    dialog.setNameFilters(captions(types));
    if (!types.isEmpty())
        dialog.selectNameFilter(types.first().caption);
    listOwnPatterns(dialog, types);
}

#include "files/QtCuadro.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QMessageBox>

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

void CuadroDialog::accept() {
    if (acceptMode() == AcceptSave && !mayReplace())
        return;
    QFileDialog::accept();
}

bool CuadroDialog::mayReplace() {
    const QFileInfo chosen(selectedFiles().value(0));
    if (!chosen.exists() || chosen.isDir())
        return true;  // a folder is opened, not replaced
    QMessageBox question(QMessageBox::Warning, windowTitle(),
                         replaceQuestion.arg(chosen.fileName()), QMessageBox::Yes | QMessageBox::No,
                         this);
    question.setTextFormat(Qt::PlainText);
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}

Cuadro::Answer QtCuadro::askFileName(Mode mode, const FileTypes &types, const QString &proposed) {
    CuadroDialog dialog(m_parent);
    setUpFileDialog(dialog, mode, types);
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);  // a name with a folder opens that folder
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return {dialog.selectedFiles().value(0),
            dialog.nameFilters().indexOf(dialog.selectedNameFilter())};
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

#include "app/SheetCommands.h"

#include "app/MessageSink.h"
#include "app/PrintDialog.h"
#include "drawing/CutSheet.h"
#include "files/Cuadro.h"
#include "files/CutSheetFile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>

namespace {

const FileTypes sheetFileTypes{
    {QStringLiteral("Imagen PNG (*.png)"), QStringLiteral("*.png")},
    {QStringLiteral("Imagen SVG (*.svg)"), QStringLiteral("*.svg")},
    {QStringLiteral("Documento PDF (*.pdf)"), QStringLiteral("*.pdf")},
};

// The chosen name, followed by the chosen type's extension where it does
// not end in one of the sheet's.
QString chosenSheetName(const Cuadro &cuadro) {
    const QString &name = cuadro.fileName();
    if (isCutSheetFileName(name))
        return name;
    const QString pattern = cuadro.fileTypes().value(cuadro.fileTypeIndex()).pattern;
    return name + pattern.mid(1);  // "*.png" gives ".png"
}

}  // namespace

void copySheetImage(const CutSheetContent &content) {
    QGuiApplication::clipboard()->setImage(cutSheetImage(content, cutSheetImageDpi));
}

void saveSheetImage(Cuadro &cuadro, const CutSheetContent &content, MessageSink &messages) {
    cuadro.setFileTypes(sheetFileTypes);
    if (!cuadro.showSave())
        return;
    const QString error = writeCutSheet(chosenSheetName(cuadro), content);
    if (!error.isEmpty())
        messages.showMessage(error);
}

void printSheet(PrintDialog &dialog, const CutSheetContent &content, MessageSink &messages) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("CORVELUX"));
    if (!dialog.choose(printer))
        return;
    if (!paintCutSheet(printer, content))
        messages.showMessage(cannotPrintMessage);
}

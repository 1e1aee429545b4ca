#include "app/SheetCommands.h"

#include "app/MessageSink.h"
#include "app/PrintDialog.h"
#include "calc/NumberText.h"
#include "drawing/CutSheet.h"
#include "files/Cuadro.h"
#include "files/CutSheetFile.h"
#include "windows/CanvasWidget.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPagedPaintDevice>

namespace {

// The context the texts of the cut sheet's commands are translated in.
class SheetCommandsText {
    Q_DECLARE_TR_FUNCTIONS(SheetCommands)
};

// hoja-de-corte-2.419.pdf for a diamond, in the first type's format.
QString proposedName(const CutSheetContent &content, const QString &folder) {
    const QString ir = plainNumberText(content.design.cut.IR, QStringLiteral("."));
    const QString name =
        //: The name proposed for a cut sheet; %1 is the stone's IR.
        completedFileName(SheetCommandsText::tr("hoja-de-corte-%1").arg(ir),
                          cutSheetFileTypes().first());
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

}  // namespace

QString cannotPrintMessage() {
    return SheetCommandsText::tr(
        "No se pudo imprimir la hoja de corte. Compruebe que la impresora está conectada y "
        "preparada.");
}

void copyDrawing(const CanvasWidget &area) {
    auto *data = new QMimeData;
    data->setImageData(area.image());
    const QString words = area.accessibleDescription();
    if (!words.isEmpty())
        data->setText(words);
    QGuiApplication::clipboard()->setMimeData(data);
}

void saveSheet(Cuadro &cuadro, const CutSheetContent &content, MessageSink &messages,
               QString &folder) {
    cuadro.setFileTypes(cutSheetFileTypes());
    if (!cuadro.showSave(proposedName(content, folder)))
        return;
    folder = QFileInfo(cuadro.fileName()).absolutePath();
    const QString error = writeCutSheet(cuadro.fileName(), content);
    if (!error.isEmpty())
        messages.showMessage(error);
}

void printSheet(PrintDialog &dialog, const CutSheetContent &content, MessageSink &messages,
                SheetPages pages) {
    const std::unique_ptr<QPagedPaintDevice> printer = dialog.choosePrinter();
    if (printer && !paintCutSheet(*printer, content, pages))
        messages.showMessage(cannotPrintMessage());
}

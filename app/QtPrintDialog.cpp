#include "app/QtPrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

std::unique_ptr<QPagedPaintDevice> QtPrintDialog::choosePrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setDocName(QStringLiteral("CORVELUX"));
    QPrintDialog dialog(printer.get(), m_parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

// What the program resolves in the module.
extern "C" Q_DECL_EXPORT PrintDialog *corveluxNewPrintDialog(QWidget *parent) {
    return new QtPrintDialog(parent);
}

#pragma once

#include "app/PrintDialog.h"

#include <QPointer>
#include <QWidget>

// The real print dialog, modal over its window; the sheet is one page, so
// it offers no page range. It lives in the module corvelux-imprimir, which
// alone links Qt Print Support, so that the program starts without loading
// it: makeQtPrintDialog (PrintModule.h) loads the module on the first print.
class QtPrintDialog final : public PrintDialog {
public:
    explicit QtPrintDialog(QWidget *parent) : m_parent(parent) {}
    std::unique_ptr<QPagedPaintDevice> choosePrinter() override;

private:
    QPointer<QWidget> m_parent;
};

#pragma once

#include "app/PrintDialog.h"

#include <QPointer>
#include <QWidget>
#include <memory>

// The real print dialog, modal over its window; the sheet is one page, so
// it offers no page range.
class QtPrintDialog final : public PrintDialog {
public:
    explicit QtPrintDialog(QWidget *parent) : m_parent(parent) {}
    bool choose(QPrinter &printer) override;

private:
    QPointer<QWidget> m_parent;
};

inline std::unique_ptr<PrintDialog> makeQtPrintDialog(QWidget *owner) {
    return std::make_unique<QtPrintDialog>(owner);
}

#include "app/QtPrintDialog.h"

#include <QPrintDialog>

bool QtPrintDialog::choose(QPrinter &printer) {
    QPrintDialog dialog(&printer, m_parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

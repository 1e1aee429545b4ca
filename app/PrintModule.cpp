#include "app/PrintModule.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibrary>
#include <QPagedPaintDevice>
#include <QPointer>
#include <QWidget>

namespace {

using NewPrintDialog = PrintDialog *(*)(QWidget *parent);

NewPrintDialog findModule() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString &folder :
         {programFolder, programFolder + QStringLiteral("/" CORVELUX_MODULE_PATH)}) {
        QLibrary module(folder + QStringLiteral("/corvelux-imprimir"));
        if (const auto create = NewPrintDialog(module.resolve("corveluxNewPrintDialog")))
            return create;  // the module stays loaded until the program ends
    }
    qWarning().noquote() << QCoreApplication::translate(
        "PrintModule", "corvelux: no se encuentra el módulo de impresión corvelux-imprimir");
    return nullptr;
}

// Loads the module on the first print and hands over to its dialog.
class ModulePrintDialog final : public PrintDialog {
public:
    explicit ModulePrintDialog(QWidget *owner) : m_owner(owner) {}

    std::unique_ptr<QPagedPaintDevice> choosePrinter() override {
        if (!m_dialog) {
            if (const NewPrintDialog create = findModule())
                m_dialog.reset(create(m_owner));
        }
        return m_dialog ? m_dialog->choosePrinter() : nullptr;
    }

private:
    QPointer<QWidget> m_owner;
    std::unique_ptr<PrintDialog> m_dialog;
};

}  // namespace

std::unique_ptr<PrintDialog> makeQtPrintDialog(QWidget *owner) {
    return std::make_unique<ModulePrintDialog>(owner);
}

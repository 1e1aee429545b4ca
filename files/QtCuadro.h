#pragma once

#include "files/Cuadro.h"

#include <QFileDialog>
#include <QPointer>

class QWidget;

// The file dialog component on Qt's own file dialog, the same on every
// platform. No title or default extension is set, nor a folder other than a
// proposed name's; the save dialog asks before a chosen existing file is
// replaced.
class QtCuadro final : public Cuadro {
public:
    // parent: the window the dialogs are modal to.
    explicit QtCuadro(QWidget *parent = nullptr) : m_parent(parent) {}

protected:
    Answer askFileName(Mode mode, const FileTypes &types, const QString &proposed) override;

private:
    QPointer<QWidget> m_parent;
};

// Qt's file dialog, asking itself before a chosen existing file is replaced:
// Qt's own question would show the file name as rich text, so that a name
// holding "<h1>" would come out as a heading. Answering no leaves the dialog
// open, as Qt's question does.
class CuadroDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override;

private:
    bool mayReplace();
};

// The question before a file is replaced, on a message box in plain text.
inline const QString replaceQuestion =
    QStringLiteral("El archivo \"%1\" ya existe.\n¿Desea reemplazarlo?");

// Prepares dialog to ask for a file name in mode, listing the given file
// types with the first one selected. Apart from the modal run, this is all
// that QtCuadro does with the dialog.
void setUpFileDialog(QFileDialog &dialog, Cuadro::Mode mode, const FileTypes &types);

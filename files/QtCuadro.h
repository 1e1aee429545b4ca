#pragma once

#include "files/Cuadro.h"

#include <QPointer>

class QFileDialog;
class QWidget;

// The file dialog component on Qt's own file dialog, the same on every
// platform. No title, initial folder or default extension is set; the save
// dialog asks before a chosen existing file is replaced.
class QtCuadro final : public Cuadro {
public:
    // parent: the window the dialogs are modal to.
    explicit QtCuadro(QWidget *parent = nullptr) : m_parent(parent) {}

protected:
    Answer askFileName(Mode mode, const FileTypes &types) override;

private:
    QPointer<QWidget> m_parent;
};

// Prepares dialog to ask for a file name in mode, listing the given file
// types with the first one selected. Apart from the modal run, this is all
// that QtCuadro does with the dialog.
void setUpFileDialog(QFileDialog &dialog, Cuadro::Mode mode, const FileTypes &types);

#pragma once

#include "files/Cuadro.h"

#include <QFileDialog>
#include <QMessageBox>
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

// Qt's file dialog set up for mode and types, asking itself before the file
// to be written is replaced: that is the typed name completed by the
// selected type (completedFileName), which Qt's own question would not
// check, and Qt's question would show the name as rich text, so that a name
// holding "<h1>" would come out as a heading. A save refuses a name holding a
// double quote, which Qt reads as its syntax for several names: it would
// write another file, maybe in another folder. Answering no to the question,
// or closing the refusal, leaves the dialog open, as Qt's question does.
class CuadroDialog final : public QFileDialog {
public:
    CuadroDialog(QWidget *parent, Cuadro::Mode mode, const FileTypes &types);

    // The file chosen, completed by the selected type when saving.
    QString chosenFileName() const;
    // Where the selected file type stands in the list.
    qsizetype selectedTypeIndex() const;

    void accept() override;

private:
    bool mayReplace();
    bool refusesQuotes();
    // Shows text over the dialog on a plain-text message box.
    QMessageBox::StandardButton tell(const QString &text, QMessageBox::StandardButtons buttons);

    Cuadro::Mode m_mode;
    FileTypes m_types;
};

// The question before a file is replaced, on a message box in plain text.
QString replaceQuestion(const QString &fileName);
// Why a save refuses a typed name holding a double quote.
QString quotedNameRefusal(const QString &typed);

// Prepares dialog to ask for a file name in mode, listing the given file
// types with the first one selected. Apart from the modal run, this is all
// that QtCuadro does with the dialog.
void setUpFileDialog(QFileDialog &dialog, Cuadro::Mode mode, const FileTypes &types);

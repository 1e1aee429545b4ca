#pragma once

#include <QObject>
#include <QPointer>

class CurrentDesign;
class FrmReceta;
class MessageSink;
class PrintDialog;
class QWidget;

// "&Receta de tallado…": the recipe window of the design, one at most, owned
// by the main window. It shows the design whenever it changes, a new cut
// included, hands the user's choices to the design, and closes when there is
// no design any more. Its buttons print the recipe's page of the cut sheet
// and copy the recipe as the command line writes it.
class RecipeCommands : public QObject {
    Q_OBJECT

public:
    // The main window's print dialog and message box serve it too.
    RecipeCommands(QWidget &owner, CurrentDesign &design, PrintDialog &printDialog,
                   MessageSink &messages);
    ~RecipeCommands() override;

    // Opens the window on the design, or brings it to the front.
    void open();
    FrmReceta *window() const;

private:
    void showDesign();
    void close();
    void print();
    void copy();

    QWidget &m_owner;
    CurrentDesign &m_design;
    PrintDialog &m_printDialog;
    MessageSink &m_messages;
    QPointer<FrmReceta> m_window;
};

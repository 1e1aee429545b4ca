#pragma once

#include <QObject>
#include <QPointer>

class Cuadro;
class CurrentDesign;
class FrmReceta;
class MessageSink;
class PrintDialog;
class QWidget;

// "&Receta de tallado…": the recipe window of the design, one at most, owned
// by the main window. It shows the design whenever it changes, a new cut
// included, hands the user's choices to the design, and closes when there is
// no design any more. Its buttons print the recipe's page of the cut sheet,
// save the recipe as text, CSV or that page, and copy it as the command line
// writes it.
class RecipeCommands : public QObject {
    Q_OBJECT

public:
    // The main window's file and print dialogs and message box serve it too.
    RecipeCommands(QWidget &owner, CurrentDesign &design, Cuadro &cuadro, PrintDialog &printDialog,
                   MessageSink &messages);
    ~RecipeCommands() override;

    // Opens the window on the design, or brings it to the front.
    void open();
    FrmReceta *window() const;

private:
    void showDesign();
    void close();
    void print();
    void save();
    void copy();

    QWidget &m_owner;
    CurrentDesign &m_design;
    Cuadro &m_cuadro;
    PrintDialog &m_printDialog;
    MessageSink &m_messages;
    QPointer<FrmReceta> m_window;
    QString m_folder;  // where the last recipe was saved
};

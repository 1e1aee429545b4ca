#pragma once

#include <QObject>
#include <QPointer>

class CurrentDesign;
class FrmReceta;
class QWidget;

// "&Receta de tallado…": the recipe window of the design, one at most, owned
// by the main window. It shows the design whenever it changes, a new cut
// included, hands the user's choices to the design, and closes when there is
// no design any more.
class RecipeCommands : public QObject {
    Q_OBJECT

public:
    RecipeCommands(QWidget &owner, CurrentDesign &design);
    ~RecipeCommands() override;

    // Opens the window on the design, or brings it to the front.
    void open();
    FrmReceta *window() const;

private:
    void showDesign();
    void close();

    QWidget &m_owner;
    CurrentDesign &m_design;
    QPointer<FrmReceta> m_window;
};

#pragma once

#include "stone/StoneDesign.h"

#include <QWidget>
#include <memory>

class DesignFields;
struct StoneRecipe;
namespace Ui {
class FrmReceta;
}

// The recipe window, built from FrmReceta.ui: the facet diagram of the round
// brilliant with what its codes mean, the choices it is cut with, its gem,
// measures and weight, and the cutting recipe as a table, with buttons that
// print, save and copy it. It shows the design it is given and reports every
// choice the user makes at once; the program's commands change the design
// and show it again. Escape closes it.
class FrmReceta : public QWidget {
    Q_OBJECT

public:
    explicit FrmReceta(QWidget *parent = nullptr);
    ~FrmReceta() override;

    // The design, and the stone, recipe and figures made from it.
    void showStone(const stone::StoneDesign &design, const StoneRecipe &made);
    // A design that makes no brilliant: its choices, a blank diagram and
    // recipe, and why.
    void showNoStone(const stone::StoneDesign &design, const QString &reason);

signals:
    void valueEdited(stone::DesignValue value, double number);
    void gearChosen(int teeth);
    void gemChosen(qsizetype gem);
    void printRequested();
    void saveRequested();
    void copyRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fillLists();
    void connectControls();
    void chooseGem(int item);
    void showDesign(const stone::StoneDesign &design);
    void showRecipe(const StoneRecipe &made);
    // Printing, saving and copying need a recipe.
    void setOutputsEnabled(bool enabled);

    std::unique_ptr<Ui::FrmReceta> m_ui;
    DesignFields *m_fields = nullptr;
    double m_shownDensity = 0;
};

#pragma once

#include "stone/Brilliant.h"

#include <QWidget>
#include <memory>

struct CutChoiceFields;
struct StoneRecipe;
namespace Ui {
class FrmReceta;
}

// The recipe window, built from FrmReceta.ui: the facet diagram of the round
// brilliant with what its codes mean, the choices it is cut with, its
// measures and weight, and the cutting recipe as a table. It reports every
// change of a choice at once; the program's commands compute the stone
// again and show it.
class FrmReceta : public QWidget {
    Q_OBJECT

public:
    explicit FrmReceta(QWidget *parent = nullptr);
    ~FrmReceta() override;

    // The girdle and the lengths of stars and lower halves as chosen.
    stone::CutChoices cutChoices() const;
    // The teeth of the chosen index gear, among those the recipe knows.
    int gear() const;
    double density() const;
    // Sets the choices without reporting them as changed.
    void setChoices(const stone::CutChoices &choices, int gear);

    // The stone, its recipe and its figures; its density goes in the field.
    void showStone(const StoneRecipe &made);
    // No stone: a blank diagram and recipe, and message where the figures go.
    void showNoStone(const QString &message);

signals:
    void cutChoicesChanged();  // girdle, stars, lower halves or gear
    void densityChanged();

private:
    CutChoiceFields choiceFields() const;
    void connectFields();
    void showRecipe(const StoneRecipe &made);

    std::unique_ptr<Ui::FrmReceta> m_ui;
};

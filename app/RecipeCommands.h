#pragma once

#include "calc/CutResult.h"
#include "stone/StoneRecipe.h"

#include <QObject>
#include <QPointer>
#include <optional>

class FrmReceta;
class QWidget;

// "&Receta de tallado…": the recipe window of the cut the drawing areas
// show, one at most, owned by the main window. The choices made in it stay
// for the next cut and go on the cut sheet; the density, which belongs to
// the gem, goes back to the usual one for each new cut.
class RecipeCommands : public QObject {
    Q_OBJECT

public:
    explicit RecipeCommands(QWidget &owner);
    ~RecipeCommands() override;

    // A new cut of width D (in mm): an open window shows it at once.
    void setCut(const CutResult &cut, double D);
    // The drawings were cleared: there is no cut, and the window closes.
    void forgetCut();
    // Opens the window on the cut, or brings it to the front.
    void open();

    const RecipeSettings &settings() const { return m_settings; }
    // The girdle, stars and lower halves chosen elsewhere: an open window
    // shows them and its stone at once.
    void setCutChoices(const stone::CutChoices &choices);

signals:
    // The user chose them in the recipe window.
    void cutChoicesChanged(const stone::CutChoices &choices);

private:
    void takeCutChoices();
    void takeDensity();
    void showStone();

    QWidget &m_owner;
    QPointer<FrmReceta> m_window;
    struct ShownCut {
        CutResult cut;
        double D = 0;
    };
    std::optional<ShownCut> m_cut;
    RecipeSettings m_settings;
};

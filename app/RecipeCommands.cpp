#include "app/RecipeCommands.h"

#include "stone/RecipeText.h"
#include "windows/FrmReceta.h"

RecipeCommands::RecipeCommands(QWidget &owner) : QObject(&owner), m_owner(owner) {}

RecipeCommands::~RecipeCommands() = default;

void RecipeCommands::setCut(const CutResult &cut, double D) {
    m_cut = ShownCut{cut, D};
    m_settings.density.reset();
    if (m_window)
        showStone();
}

void RecipeCommands::forgetCut() {
    m_cut.reset();
    if (m_window)
        m_window->close();
}

void RecipeCommands::open() {
    if (!m_cut)
        return;
    if (!m_window) {
        m_window = new FrmReceta(&m_owner);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->setChoices(m_settings.choices, m_settings.gear);
        connect(m_window, &FrmReceta::cutChoicesChanged, this, &RecipeCommands::takeCutChoices);
        connect(m_window, &FrmReceta::densityChanged, this, &RecipeCommands::takeDensity);
        showStone();
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void RecipeCommands::setCutChoices(const stone::CutChoices &choices) {
    m_settings.choices = choices;
    if (m_window) {
        m_window->setChoices(choices, m_settings.gear);
        showStone();
    }
}

void RecipeCommands::takeCutChoices() {
    m_settings.choices = m_window->cutChoices();
    m_settings.gear = m_window->gear();
    showStone();
    emit cutChoicesChanged(m_settings.choices);
}

void RecipeCommands::takeDensity() {
    m_settings.density = m_window->density();
    showStone();
}

void RecipeCommands::showStone() {
    if (const auto made = makeStoneRecipe(m_cut->cut, m_cut->D, m_settings))
        m_window->showStone(*made);
    else
        m_window->showNoStone(stone::uncuttableMessage(m_cut->cut.IR));
}

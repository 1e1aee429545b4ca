#include "app/RecipeCommands.h"

#include "app/CurrentDesign.h"
#include "stone/RecipeText.h"
#include "stone/StoneRecipe.h"
#include "windows/FrmReceta.h"

RecipeCommands::RecipeCommands(QWidget &owner, CurrentDesign &design)
    : QObject(&owner), m_owner(owner), m_design(design) {
    connect(&design, &CurrentDesign::changed, this, &RecipeCommands::showDesign);
    connect(&design, &CurrentDesign::cleared, this, &RecipeCommands::close);
}

RecipeCommands::~RecipeCommands() = default;

void RecipeCommands::open() {
    if (!m_design.design())
        return;
    if (!m_window) {
        m_window = new FrmReceta(&m_owner);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_window, &FrmReceta::valueEdited, &m_design, &CurrentDesign::setValue);
        connect(m_window, &FrmReceta::gearChosen, &m_design, &CurrentDesign::setGear);
        connect(m_window, &FrmReceta::gemChosen, &m_design, &CurrentDesign::chooseGem);
        showDesign();
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

FrmReceta *RecipeCommands::window() const {
    return m_window;
}

void RecipeCommands::showDesign() {
    const stone::StoneDesign *design = m_design.design();
    if (!m_window || !design)
        return;
    if (const auto made = makeStoneRecipe(*design))
        m_window->showStone(*design, *made);
    else
        m_window->showNoStone(*design, stone::uncuttableMessage());
}

void RecipeCommands::close() {
    if (m_window)
        m_window->close();
}

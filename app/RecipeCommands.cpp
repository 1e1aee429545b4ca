#include "app/RecipeCommands.h"

#include "app/CurrentDesign.h"
#include "app/MessageSink.h"
#include "app/SheetCommands.h"
#include "calc/NumberText.h"
#include "files/Cuadro.h"
#include "files/RecipeFile.h"
#include "stone/RecipeReport.h"
#include "stone/RecipeText.h"
#include "stone/StoneRecipe.h"
#include "windows/FrmReceta.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

RecipeCommands::RecipeCommands(QWidget &owner, CurrentDesign &design, Cuadro &cuadro,
                               PrintDialog &printDialog, MessageSink &messages)
    : QObject(&owner),
      m_owner(owner),
      m_design(design),
      m_cuadro(cuadro),
      m_printDialog(printDialog),
      m_messages(messages) {
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
        connect(m_window, &FrmReceta::printRequested, this, &RecipeCommands::print);
        connect(m_window, &FrmReceta::saveRequested, this, &RecipeCommands::save);
        connect(m_window, &FrmReceta::copyRequested, this, &RecipeCommands::copy);
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
        m_window->showNoStone(*design, stone::uncuttableMessage(design->cut.IR));
}

void RecipeCommands::close() {
    if (m_window)
        m_window->close();
}

void RecipeCommands::print() {
    if (const stone::StoneDesign *design = m_design.design())
        printSheet(m_printDialog, {*design, QDate::currentDate(), {}}, m_messages,
                   SheetPages::recipe);
}

void RecipeCommands::save() {
    const stone::StoneDesign *design = m_design.design();
    if (!design)
        return;
    m_cuadro.setFileTypes(recipeFileTypes());
    const QString name =
        completedFileName(tr("receta-%1").arg(plainNumberText(design->cut.IR, QStringLiteral("."))),
                          recipeFileTypes().first());
    if (!m_cuadro.showSave(m_folder.isEmpty() ? name : QDir(m_folder).filePath(name)))
        return;
    m_folder = QFileInfo(m_cuadro.fileName()).absolutePath();
    const QString error = writeRecipeFile(m_cuadro.fileName(), {*design, QDate::currentDate(), {}});
    if (!error.isEmpty())
        m_messages.showMessage(error);
}

void RecipeCommands::copy() {
    const stone::StoneDesign *design = m_design.design();
    if (!design)
        return;
    if (const auto made = makeStoneRecipe(*design))
        QGuiApplication::clipboard()->setText(stone::recipeReport(*design, *made));
}

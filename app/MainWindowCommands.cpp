#include "app/MainWindowCommands.h"

#include "app/ComputeCommand.h"
#include "app/MessageSink.h"
#include "app/ParameterCommands.h"
#include "app/PrintDialog.h"
#include "app/RecipeCommands.h"
#include "app/SheetCommands.h"
#include "app/VerificationCommands.h"
#include "calc/Presets.h"
#include "files/Cuadro.h"
#include "help/HelpCommands.h"
#include "windows/Form1.h"

MainWindowCommands::MainWindowCommands(Form1 &window, MainWindowServices services)
    : QObject(&window),
      m_window(window),
      m_services(std::move(services)),
      m_recipe(*new RecipeCommands(window)),
      m_verification(*new VerificationCommands(window)) {
    using C = MainWindowCommands;
    connect(&window, &Form1::calculateRequested, this, &C::calculate);
    connect(&window, &Form1::diamondRequested, this, [this] { applyPreset(Presets::diamond); });
    connect(&window, &Form1::quartzRequested, this, [this] { applyPreset(Presets::quartz); });
    connect(&window, &Form1::customGemRequested, this, &C::startCustomGem);
    connect(&window, &Form1::openRequested, this, &C::openFile);
    connect(&window, &Form1::saveRequested, this, &C::saveFile);
    connect(&window, &Form1::copyImageRequested, this, &C::copyImage);
    connect(&window, &Form1::saveSheetRequested, this, &C::saveCutSheet);
    connect(&window, &Form1::printSheetRequested, this, &C::printCutSheet);
    connect(&window, &Form1::recipeRequested, this, &C::openRecipe);
    connect(&window, &Form1::verificationRequested, this, &C::openVerification);
    // Both windows cut the same stone.
    connect(&m_recipe, &RecipeCommands::cutChoicesChanged, &m_verification,
            &VerificationCommands::setCutChoices);
    connect(&m_verification, &VerificationCommands::cutChoicesChanged, &m_recipe,
            &RecipeCommands::setCutChoices);
    connect(&window, &Form1::helpContentsRequested, this, &C::openHelpContents);
    connect(&window, &Form1::helpIndexRequested, this, &C::openHelpIndex);
}

MainWindowCommands::~MainWindowCommands() = default;

void MainWindowCommands::calculate() {
    // The animation waits with user input held back, so no click can arrive
    // here during a computation; the guard keeps it so should one ever slip
    // through.
    if (m_computing)
        return;
    m_computing = true;
    forgetShownCut();
    keepShownCut(computeCommand(m_window, *m_services.messages, *m_services.pacer));
    m_computing = false;
}

void MainWindowCommands::applyPreset(const InputFields &preset) {
    forgetShownCut();
    m_window.clearDrawings();
    m_window.setInputs(preset.ir, preset.diameter, preset.epsilon);
    m_window.focusCalculate();
}

void MainWindowCommands::startCustomGem() {
    forgetShownCut();
    m_window.clearDrawings();
    m_window.setInputs(QString(), QString(), QString());
    m_window.focusIr();
}

void MainWindowCommands::openFile() {
    openParameterFile(*m_services.cuadro, m_window, *m_services.messages);
}

void MainWindowCommands::saveFile() {
    saveParameterFile(*m_services.cuadro, m_window, *m_services.messages);
}

void MainWindowCommands::copyImage(const CanvasWidget *area) {
    if (m_shownCut && area)
        copyDrawing(*area);
}

void MainWindowCommands::saveCutSheet() {
    if (m_shownCut)
        saveSheet(*m_services.cuadro, sheet(), *m_services.messages, m_sheetFolder);
}

void MainWindowCommands::printCutSheet() {
    if (m_shownCut)
        printSheet(*m_services.printDialog, sheet(), *m_services.messages);
}

void MainWindowCommands::openRecipe() {
    m_recipe.open();
}

void MainWindowCommands::openVerification() {
    m_verification.open(m_recipe.settings().choices);
}

void MainWindowCommands::keepShownCut(const ComputePlan &plan) {
    if (!plan.succeeded())
        return;
    m_shownCut = CutSheetContent{plan.D, plan.cut, {}, {}, {}};
    m_recipe.setCut(plan.cut, plan.D);
    m_verification.setCut(plan.cut);
    m_window.setImageActionsEnabled(true);
    m_window.setRecipeEnabled(true);
    m_window.setVerificationEnabled(true);
}

void MainWindowCommands::forgetShownCut() {
    m_shownCut.reset();
    m_recipe.forgetCut();
    m_verification.forgetCut();
    m_window.setImageActionsEnabled(false);
    m_window.setRecipeEnabled(false);
    m_window.setVerificationEnabled(false);
}

CutSheetContent MainWindowCommands::sheet() const {
    CutSheetContent content = *m_shownCut;
    content.date = QDate::currentDate();
    content.recipe = m_recipe.settings();
    content.verification = m_verification.figures();
    return content;
}

void MainWindowCommands::openHelpContents() {
    showHelpContents(&m_window, *m_services.helpSettings, *m_services.helpViewer);
}

void MainWindowCommands::openHelpIndex() {
    showHelpIndex(&m_window, *m_services.helpSettings, *m_services.helpViewer);
}

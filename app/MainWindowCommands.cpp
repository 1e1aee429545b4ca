#include "app/MainWindowCommands.h"

#include "app/ComputeCommand.h"
#include "app/CurrentDesign.h"
#include "app/MessageSink.h"
#include "app/OptimiserCommands.h"
#include "app/ParameterCommands.h"
#include "app/PrintDialog.h"
#include "app/RecipeCommands.h"
#include "app/SheetCommands.h"
#include "app/VerificationCommands.h"
#include "calc/Gems.h"
#include "calc/Presets.h"
#include "drawing/Pacer.h"
#include "files/Cuadro.h"
#include "help/HelpCommands.h"
#include "windows/Form1.h"

MainWindowCommands::MainWindowCommands(Form1 &window, MainWindowServices services)
    : QObject(&window),
      m_window(window),
      m_services(std::move(services)),
      m_design(*new CurrentDesign(&window)),
      m_recipe(*new RecipeCommands(window, m_design, *m_services.cuadro, *m_services.printDialog,
                                   *m_services.messages)),
      m_verification(*new VerificationCommands(window, m_design)),
      m_optimiser(*new OptimiserCommands(window, m_design)) {
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
    connect(&window, &Form1::optimiseRequested, this, &C::openOptimiser);
    connect(&window, &Form1::helpContentsRequested, this, &C::openHelpContents);
    connect(&window, &Form1::helpIndexRequested, this, &C::openHelpIndex);
}

MainWindowCommands::~MainWindowCommands() = default;

void MainWindowCommands::calculate() {
    if (m_computing)
        return;
    m_computing = true;
    enableCutActions(false);
    designShownCut(computeCommand(m_window, *m_services.messages, *m_services.pacer));
    if (m_services.pacer->holdsInputBack())
        endComputingAfterHeldInput();
    else
        m_computing = false;
}

// The animation holds user input back until it ends; a press of CALCULAR
// made meanwhile must be dropped, not replayed. The input held back reaches
// the window with the window system's events of the event loop's next turn,
// which come after the turn's posted calls: the computation counts as
// running until a posted call of the turn after.
void MainWindowCommands::endComputingAfterHeldInput() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            QMetaObject::invokeMethod(
                this, [this] { m_computing = false; }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void MainWindowCommands::applyPreset(const Preset &preset) {
    forgetShownCut();
    m_window.clearDrawings();
    m_window.setInputs(preset.fields.ir, preset.fields.diameter, preset.fields.epsilon);
    m_preset = &preset;
    m_window.focusCalculate();
}

void MainWindowCommands::startCustomGem() {
    forgetShownCut();
    m_window.clearDrawings();
    m_window.setInputs(QString(), QString(), QString());
    m_preset = nullptr;
    m_window.focusIr();
}

void MainWindowCommands::openFile() {
    openParameterFile(*m_services.cuadro, m_window, *m_services.messages);
}

void MainWindowCommands::saveFile() {
    saveParameterFile(*m_services.cuadro, m_window, *m_services.messages);
}

void MainWindowCommands::copyImage(const CanvasWidget *area) {
    if (m_design.design() && area)
        copyDrawing(*area);
}

void MainWindowCommands::saveCutSheet() {
    if (m_design.design())
        saveSheet(*m_services.cuadro, sheet(), *m_services.messages, m_sheetFolder);
}

void MainWindowCommands::printCutSheet() {
    if (m_design.design())
        printSheet(*m_services.printDialog, sheet(), *m_services.messages);
}

void MainWindowCommands::openRecipe() {
    m_recipe.open();
}

void MainWindowCommands::openVerification() {
    m_verification.open();
}

void MainWindowCommands::openOptimiser() {
    m_optimiser.open();
}

void MainWindowCommands::designShownCut(const ComputePlan &plan) {
    if (!plan.succeeded()) {
        forgetShownCut();
        return;
    }
    const InputFields typed{m_window.irText(), m_window.diameterText(), m_window.epsilonText()};
    const bool presetValues = m_preset && typed.ir == m_preset->fields.ir &&
                              typed.diameter == m_preset->fields.diameter &&
                              typed.epsilon == m_preset->fields.epsilon;
    m_design.setCut(plan.cut, plan.D,
                    presetValues ? stone::gemMaterial(plan.cut.IR, gemNamed(m_preset->gem))
                                 : stone::nearestGemMaterial(plan.cut.IR));
    enableCutActions(true);
}

void MainWindowCommands::forgetShownCut() {
    m_design.clear();
    enableCutActions(false);
}

void MainWindowCommands::enableCutActions(bool enabled) {
    m_window.setImageActionsEnabled(enabled);
    m_window.setCutMenuEnabled(enabled);
}

CutSheetContent MainWindowCommands::sheet() const {
    return {*m_design.design(), QDate::currentDate(), m_verification.figures()};
}

void MainWindowCommands::openHelpContents() {
    showHelpContents(&m_window, *m_services.helpSettings, *m_services.helpViewer);
}

void MainWindowCommands::openHelpIndex() {
    showHelpIndex(&m_window, *m_services.helpSettings, *m_services.helpViewer);
}

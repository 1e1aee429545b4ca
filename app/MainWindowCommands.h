#pragma once

#include "drawing/CutSheet.h"

#include <QObject>
#include <memory>

class CanvasWidget;
class Cuadro;
class CurrentDesign;
class Form1;
class HelpSettings;
class HelpViewer;
class MessageSink;
class OptimiserCommands;
class Pacer;
class PrintDialog;
class RecipeCommands;
class VerificationCommands;
struct ComputePlan;
struct Preset;

// What the main window's commands need from the rest of the program.
struct MainWindowServices {
    std::unique_ptr<MessageSink> messages;  // this window's message box
    std::unique_ptr<Cuadro> cuadro;         // this window's file dialog
    Pacer *pacer = nullptr;                 // paces the ray animation
    HelpSettings *helpSettings = nullptr;   // program-wide help file setting
    HelpViewer *helpViewer = nullptr;
    std::unique_ptr<PrintDialog> printDialog;  // this window's print dialog
};

// Carries out what the user asks of the main window: computing, the presets,
// a custom gem, the parameter file, the cut sheet, the cutting recipe and
// the verification in 3-D of the stone designed from the drawing shown, and
// help. It lives as long as the window and shares nothing but the window and
// the program-wide services. The About window and quitting belong to the
// program's windows, which connect them.
class MainWindowCommands : public QObject {
    Q_OBJECT

public:
    MainWindowCommands(Form1 &window, MainWindowServices services);
    ~MainWindowCommands() override;

private:
    void calculate();
    void endComputingAfterHeldInput();
    void applyPreset(const Preset &preset);
    void startCustomGem();
    void openFile();
    void saveFile();
    void copyImage(const CanvasWidget *area);
    void saveCutSheet();
    void printCutSheet();
    void openRecipe();
    void openVerification();
    void openOptimiser();
    void openHelpContents();
    void openHelpIndex();

    // Designs the stone of the cut the drawing areas show after a
    // computation, or forgets it when they are cleared; their menu, the
    // recipe and the verification are enabled while there is one.
    void designShownCut(const ComputePlan &plan);
    void forgetShownCut();
    void enableCutActions(bool enabled);
    // The sheet of the stone designed, dated today.
    CutSheetContent sheet() const;

    Form1 &m_window;
    MainWindowServices m_services;
    CurrentDesign &m_design;               // a child of the window, like these commands
    RecipeCommands &m_recipe;              // likewise
    VerificationCommands &m_verification;  // likewise
    OptimiserCommands &m_optimiser;        // likewise
    bool m_computing = false;
    // The preset last put into the fields: the gem a computation of its
    // values is cut from.
    const Preset *m_preset = nullptr;
    QString m_sheetFolder;  // where the last cut sheet was saved
};

#pragma once

#include "drawing/CutSheet.h"

#include <QObject>
#include <memory>
#include <optional>

class CanvasWidget;
class Cuadro;
class Form1;
class HelpSettings;
class HelpViewer;
class MessageSink;
class Pacer;
class PrintDialog;
class RecipeCommands;
class VerificationCommands;
struct ComputePlan;
struct InputFields;

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
// the verification in 3-D of the drawing shown, and help. It lives as long as the window and shares
// nothing but the window and the program-wide services. The About window and quitting belong to the
// program's windows, which connect them.
class MainWindowCommands : public QObject {
    Q_OBJECT

public:
    MainWindowCommands(Form1 &window, MainWindowServices services);
    ~MainWindowCommands() override;

private:
    void calculate();
    void applyPreset(const InputFields &preset);
    void startCustomGem();
    void openFile();
    void saveFile();
    void copyImage(const CanvasWidget *area);
    void saveCutSheet();
    void printCutSheet();
    void openRecipe();
    void openVerification();
    void openHelpContents();
    void openHelpIndex();

    // Keeps the cut the drawing areas show after a computation, or forgets
    // it when they are cleared; their menu, the recipe and the verification
    // are enabled while there is one.
    void keepShownCut(const ComputePlan &plan);
    void forgetShownCut();
    // The sheet of the cut shown, dated today.
    CutSheetContent sheet() const;

    Form1 &m_window;
    MainWindowServices m_services;
    RecipeCommands &m_recipe;              // a child of the window, like these commands
    VerificationCommands &m_verification;  // likewise
    bool m_computing = false;
    std::optional<CutSheetContent> m_shownCut;
    QString m_sheetFolder;  // where the last cut sheet was saved
};

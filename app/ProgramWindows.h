#pragma once

#include "app/PrintModule.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class Acercade;
class Cuadro;
class Form1;
class FrmSplash;
class HelpSettings;
class HelpViewer;
class MessageSink;
class Pacer;
class QWidget;

// The services the windows share, and how each main window gets its own
// message box, file dialog and print dialog.
struct ProgramServices {
    Pacer &pacer;
    HelpSettings &helpSettings;
    HelpViewer &helpViewer;
    std::function<std::unique_ptr<MessageSink>(QWidget *owner)> makeMessageSink;
    std::function<std::unique_ptr<Cuadro>(QWidget *owner)> makeCuadro;
    std::function<std::unique_ptr<PrintDialog>(QWidget *owner)> makePrintDialog = makeQtPrintDialog;
};

// The program's three windows, each open at most once. Opening a window that
// is open brings it to the front; one that was closed is built afresh with
// its initial contents. All are modeless; the program runs while any is open.
class ProgramWindows : public QObject {
    Q_OBJECT

public:
    explicit ProgramWindows(ProgramServices services);
    ~ProgramWindows() override;

    // The program starts on the splash window.
    FrmSplash *openSplash();
    Form1 *openMainWindow();
    Acercade *openAbout();
    // "&Salir": ends the program at once, closing every window.
    void quit();

    // The open windows, or nullptr.
    FrmSplash *splash() const;
    Form1 *mainWindow() const;
    Acercade *about() const;

private:
    ProgramServices m_services;
    QPointer<FrmSplash> m_splash;
    QPointer<Form1> m_main;
    QPointer<Acercade> m_about;
};

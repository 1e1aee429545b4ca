#include "app/ProgramWindows.h"

#include "app/MainWindowCommands.h"
#include "app/MessageSink.h"
#include "files/Cuadro.h"
#include "windows/Acercade.h"
#include "windows/Form1.h"
#include "windows/FrmSplash.h"

#include <QApplication>

namespace {

// Shows a window and brings it to the front.
void present(QWidget *window) {
    window->show();
    window->raise();
    window->activateWindow();
}

// A top-level window that is deleted when closed, so the next opening builds
// it afresh.
template <typename Window>
Window *newWindow() {
    auto *window = new Window;
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

}  // namespace

ProgramWindows::ProgramWindows(ProgramServices services) : m_services(std::move(services)) {}

ProgramWindows::~ProgramWindows() {
    delete m_about.data();
    delete m_main.data();
    delete m_splash.data();
}

FrmSplash *ProgramWindows::splash() const {
    return m_splash;
}

Form1 *ProgramWindows::mainWindow() const {
    return m_main;
}

Acercade *ProgramWindows::about() const {
    return m_about;
}

FrmSplash *ProgramWindows::openSplash() {
    if (!m_splash) {
        m_splash = newWindow<FrmSplash>();
        connect(m_splash, &FrmSplash::nextRequested, this, &ProgramWindows::openMainWindow);
        connect(m_splash, &FrmSplash::characterKeyPressed, m_splash, &QWidget::close);
    }
    present(m_splash);
    return m_splash;
}

Form1 *ProgramWindows::openMainWindow() {
    if (!m_main) {
        m_main = newWindow<Form1>();
        MainWindowServices services{m_services.makeMessageSink(m_main),
                                    m_services.makeCuadro(m_main),
                                    &m_services.pacer,
                                    &m_services.helpSettings,
                                    &m_services.helpViewer,
                                    m_services.makePrintDialog(m_main)};
        new MainWindowCommands(*m_main, std::move(services));
        connect(m_main, &Form1::aboutRequested, this, &ProgramWindows::openAbout);
        connect(m_main, &Form1::quitRequested, this, &ProgramWindows::quit);
    }
    present(m_main);
    return m_main;
}

Acercade *ProgramWindows::openAbout() {
    if (!m_about)
        m_about = newWindow<Acercade>();
    present(m_about);
    return m_about;
}

void ProgramWindows::quit() {
    // Every top-level window goes, the help window included, without asking.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

#include "help/HelpWindowViewer.h"

#include "help/HelpCommands.h"
#include "help/HelpWindow.h"

#include <QFileInfo>

namespace {

// This viewer has the help of one file only, the program's own. File names
// are compared without their folder and without regard to case, as the
// platform the file name comes from does.
bool isProgramHelp(const QString &helpFile) {
    return QFileInfo(helpFile).fileName().compare(programHelpFile, Qt::CaseInsensitive) == 0;
}

}  // namespace

HelpWindowViewer::HelpWindowViewer() = default;
HelpWindowViewer::~HelpWindowViewer() = default;

// The help window is a window of its own, not tied to the requesting window,
// so that it stays open when that window closes.
void HelpWindowViewer::winHelp(QWidget * /*window*/, const QByteArray &helpFile, quint32 command,
                               quint32 /*data*/) {
    if (!m_window)
        m_window = std::make_unique<HelpWindow>();

    const QString fileName = QString::fromLatin1(helpFile);
    if (!isProgramHelp(fileName))
        m_window->showMissingFile(fileName);
    else if (command == HelpCommand::partialKey)
        m_window->showIndex();
    else
        m_window->showContents();

    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

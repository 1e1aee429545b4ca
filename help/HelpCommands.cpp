#include "help/HelpCommands.h"

#include "help/HelpSettings.h"
#include "help/HelpViewer.h"

namespace {

void requestHelp(QWidget *mainWindow, HelpSettings &settings, HelpViewer &viewer, quint32 command) {
    settings.setHelpFile(programHelpFile);
    // The viewer gets whatever the setting holds, as 8-bit text.
    const QByteArray helpFile = settings.helpFile().toLatin1();
    viewer.winHelp(mainWindow, helpFile, command, 0);
}

}  // namespace

void showHelpContents(QWidget *mainWindow, HelpSettings &settings, HelpViewer &viewer) {
    requestHelp(mainWindow, settings, viewer, HelpCommand::contents);
}

void showHelpIndex(QWidget *mainWindow, HelpSettings &settings, HelpViewer &viewer) {
    requestHelp(mainWindow, settings, viewer, HelpCommand::partialKey);
}

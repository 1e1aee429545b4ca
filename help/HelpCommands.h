#pragma once

#include <QString>

class HelpSettings;
class HelpViewer;
class QWidget;

// The program's help file, named without a folder: the viewer decides where
// to find it.
inline const QString programHelpFile = QStringLiteral("DIVORURADIDAR-5.hlp");

// "&Contenido": sets the program's help file setting, reads it back and asks
// the viewer for the contents of that file, on behalf of the main window.
void showHelpContents(QWidget *mainWindow, HelpSettings &settings, HelpViewer &viewer);

// "&Indice": the same, asking for the index without a keyword.
void showHelpIndex(QWidget *mainWindow, HelpSettings &settings, HelpViewer &viewer);

#include "app/HeadlessRunner.h"
#include "app/ProgramWindows.h"
#include "app/QtMessageSink.h"
#include "app/QtTranslations.h"
#include "drawing/TimedPacer.h"
#include "files/QtCuadro.h"
#include "help/HelpSettings.h"
#include "help/HelpWindowViewer.h"
#include "windows/Fonts.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    if (const std::optional<int> status = runCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvelux.corvelux"));
    installFontSubstitutes();
    const QtTranslations translations;

    TimedPacer pacer;
    HelpSettings helpSettings;
    HelpWindowViewer helpViewer;
    ProgramWindows windows({pacer, helpSettings, helpViewer,
                            [](QWidget *owner) { return std::make_unique<QtMessageSink>(owner); },
                            [](QWidget *owner) { return std::make_unique<QtCuadro>(owner); }});
    windows.openSplash();
    return app.exec();
}

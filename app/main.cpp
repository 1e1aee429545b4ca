#include "app/CommandLine.h"
#include "app/ProgramWindows.h"
#include "app/QtMessageSink.h"
#include "app/QtTranslations.h"
#include "drawing/TimedPacer.h"
#include "files/QtCuadro.h"
#include "help/HelpSettings.h"
#include "help/HelpWindowViewer.h"
#include "windows/Fonts.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

QStringList argumentsAfterProgramName(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int print(std::FILE *stream, const QString &text, int exitStatus) {
    std::fputs(text.toUtf8().constData(), stream);
    return exitStatus;
}

int openWindows(int &argc, char *argv[]) {
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

}  // namespace

// The command line is read first: what it answers on the terminal needs no
// display.
int main(int argc, char *argv[]) {
    const CommandLine commandLine = parseCommandLine(argumentsAfterProgramName(argc, argv));
    switch (commandLine.request) {
        case CommandLine::Request::OpenWindows:
            return openWindows(argc, argv);
        case CommandLine::Request::ShowHelp:
            return print(stdout, usageText(), EXIT_SUCCESS);
        case CommandLine::Request::ShowVersion:
            return print(stdout, versionText(), EXIT_SUCCESS);
        case CommandLine::Request::Misuse:
            break;
    }
    return print(stderr, commandLine.complaint + u'\n' + usageText(), misuseExitStatus);
}

#include "app/ProgramWindows.h"
#include "app/QtMessageSink.h"
#include "cli/HeadlessRunner.h"
#include "drawing/TimedPacer.h"
#include "files/QtCuadro.h"
#include "help/HelpSettings.h"
#include "help/HelpWindowViewer.h"
#include "windows/Fonts.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// What reportMissingDisplay says, in the program's language. Qt calls a
// message handler without any context of the caller's, hence a static; it is
// set before the application object is built.
QByteArray &missingDisplayText() {
    static QByteArray text;
    return text;
}

// Without a display Qt's platform plugin fails in QApplication's constructor
// and aborts with an English message and a core dump. Say in the program's
// language what happened and what works without a display, and end with
// status 1 instead.
void reportMissingDisplay(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (type != QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
        return;
    }
    std::fprintf(stderr, "%s\n", missingDisplayText().constData());
    std::_Exit(1);
}

}  // namespace

int main(int argc, char *argv[]) {
    const StartUp start = runCommandLine(argc, argv);
    if (start.status)
        return *start.status;
    missingDisplayText() = start.noDisplay.toUtf8();
    const QtMessageHandler qtHandler = qInstallMessageHandler(reportMissingDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvelux.corvelux"));
    installFontSubstitutes();
    const ProgramLanguage translations(start.language);

    TimedPacer pacer;
    HelpSettings helpSettings;
    HelpWindowViewer helpViewer;
    ProgramWindows windows({pacer, helpSettings, helpViewer,
                            [](QWidget *owner) { return std::make_unique<QtMessageSink>(owner); },
                            [](QWidget *owner) { return std::make_unique<QtCuadro>(owner); }});
    windows.openSplash();
    return app.exec();
}

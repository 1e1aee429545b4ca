// Renders the help window, as the index request shows it, into a PNG file:
// help_screenshot <file.png> [page], page being one of the help's pages, for
// instance resultados.html, to check how it looks. Run offscreen
// (QT_QPA_PLATFORM=offscreen).
#include "help/HelpCommands.h"
#include "help/HelpViewer.h"
#include "help/HelpWindow.h"
#include "help/HelpWindowViewer.h"

#include <QApplication>
#include <QPixmap>
#include <QTextBrowser>
#include <QUrl>
#include <cstdio>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: help_screenshot <file.png> [page]\n");
        return 2;
    }
    HelpWindowViewer viewer;
    viewer.winHelp(nullptr, programHelpFile.toLatin1(), HelpCommand::partialKey, 0);
    if (argc == 3) {
        const QUrl page =
            HelpWindow::contentsPage().resolved(QUrl(QString::fromLocal8Bit(argv[2])));
        viewer.helpWindow()->findChild<QTextBrowser *>(QStringLiteral("helpPage"))->setSource(page);
    }
    QApplication::processEvents();
    return viewer.helpWindow()->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

// Renders the help window, as the index request shows it, into a PNG file:
// help_screenshot <file.png> [page] [--dark], page being one of the help's
// pages, for instance resultados.html, to check how it looks; --dark paints
// it under a dark desktop colour scheme. Run offscreen
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
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.removeAll(QStringLiteral("--dark")) > 0)
        QApplication::setPalette(QPalette(QColor(0x24, 0x24, 0x24)));
    if (arguments.isEmpty() || arguments.size() > 2) {
        std::fprintf(stderr, "usage: help_screenshot <file.png> [page] [--dark]\n");
        return 2;
    }
    HelpWindowViewer viewer;
    viewer.winHelp(nullptr, programHelpFile.toLatin1(), HelpCommand::partialKey, 0);
    if (arguments.size() == 2) {
        const QUrl page = HelpWindow::contentsPage().resolved(QUrl(arguments.at(1)));
        viewer.helpWindow()->findChild<QTextBrowser *>(QStringLiteral("helpPage"))->setSource(page);
    }
    QApplication::processEvents();
    return viewer.helpWindow()->grab().save(arguments.at(0)) ? 0 : 1;
}

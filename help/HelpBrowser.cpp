#include "help/HelpBrowser.h"

#include "help/HelpPages.h"

HelpBrowser::HelpBrowser(QWidget *parent) : QTextBrowser(parent) {
    QPalette page = palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    setPalette(page);
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name) {
    if (type == QTextDocument::HtmlResource) {
        const QString html = helpPageHtml(name);
        if (!html.isEmpty())
            return html;
    }
    return QTextBrowser::loadResource(type, name);
}

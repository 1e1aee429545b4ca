#include "help/HelpBrowser.h"

#include "help/HelpPages.h"

QVariant HelpBrowser::loadResource(int type, const QUrl &name) {
    if (type == QTextDocument::HtmlResource) {
        const QString html = helpPageHtml(name);
        if (!html.isEmpty())
            return html;
    }
    return QTextBrowser::loadResource(type, name);
}

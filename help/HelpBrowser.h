#pragma once

#include <QTextBrowser>

// The help window's page view: it takes its pages from the help book, so
// that computed parts are filled in each time a page is shown.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl &name) override;
};

#pragma once

#include <QTextBrowser>

// The help window's page view: it takes its pages from the help book, so
// that computed parts are filled in each time a page is shown. The pages are
// printed in their own dark colours, so they lie on a light page whatever the
// desktop's colour scheme.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;
};

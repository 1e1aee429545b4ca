#include "help/HelpPages.h"

#include "help/GemTable.h"
#include "help/PageLimits.h"

#include <QFile>

namespace {

const QString bookFolder = QStringLiteral(":/ayuda/");
const QUrl bookBase(QStringLiteral("qrc:/ayuda/"));

const QUrl gemPage = bookBase.resolved(QUrl(QStringLiteral("gemas.html")));
// Where the gem page wants its table.
const QString gemTablePlace = QStringLiteral("<!-- tabla de gemas -->");

QString fileText(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QList<HelpEntry> readEntries(const QString &listName) {
    return parseHelpEntries(fileText(bookFolder + listName), bookBase);
}

}  // namespace

QUrl helpContentsPage() {
    return bookBase.resolved(QUrl(QStringLiteral("contenido.html")));
}

QList<HelpEntry> helpTopics() {
    return readEntries(QStringLiteral("temas.txt"));
}

QList<HelpEntry> helpKeywords() {
    return readEntries(QStringLiteral("indice.txt")) + gemIndexEntries(gemPage);
}

QString helpPageHtml(const QUrl &page) {
    if (page.scheme() != bookBase.scheme())
        return {};
    QString html = withDesignLimits(fileText(QLatin1Char(':') + page.path()));
    if (page.adjusted(QUrl::RemoveFragment) == gemPage)
        html.replace(gemTablePlace, gemTableHtml());
    return html;
}

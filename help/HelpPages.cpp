#include "help/HelpPages.h"

#include "help/GemTable.h"
#include "help/PageLimits.h"

#include <QFile>
#include <QLocale>

namespace {

// The help is written in Spanish; its English translation keeps the same
// file names in a folder of its own and takes the style sheet and pictures
// from the Spanish folder.
QString bookFolder() {
    return QLocale().language() == QLocale::Spanish ? QStringLiteral(":/ayuda/")
                                                    : QStringLiteral(":/ayuda/en/");
}

QUrl bookBase() {
    return QUrl(QStringLiteral("qrc") + bookFolder());
}

QUrl gemPage() {
    return bookBase().resolved(QUrl(QStringLiteral("gemas.html")));
}

// Where the gem page wants its table, in either language.
const QString gemTablePlace = QStringLiteral("<!-- tabla de gemas -->");

QString fileText(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QList<HelpEntry> readEntries(const QString &listName) {
    return parseHelpEntries(fileText(bookFolder() + listName), bookBase());
}

}  // namespace

QUrl helpContentsPage() {
    return bookBase().resolved(QUrl(QStringLiteral("contenido.html")));
}

QList<HelpEntry> helpTopics() {
    return readEntries(QStringLiteral("temas.txt"));
}

QList<HelpEntry> helpKeywords() {
    return readEntries(QStringLiteral("indice.txt")) + gemIndexEntries(gemPage());
}

QString helpPageHtml(const QUrl &page) {
    if (page.scheme() != QStringLiteral("qrc"))
        return {};
    QString html = withDesignLimits(fileText(QLatin1Char(':') + page.path()));
    if (html.contains(gemTablePlace))
        html.replace(gemTablePlace, gemTableHtml());
    return html;
}

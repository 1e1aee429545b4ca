#include "help/HelpPages.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

// The help in the language the program speaks: the Spanish book, in which it
// is written, or its English translation, page for page.
namespace {

const QString spanishFolder = QStringLiteral("/ayuda/");
const QString englishFolder = QStringLiteral("/ayuda/en/");

bool exists(const QUrl &link) {
    return QFile::exists(QLatin1Char(':') + link.path());
}

QStringList pagesIn(const QString &folder) {
    return QDir(QLatin1Char(':') + folder).entryList({QStringLiteral("*.html")});
}

}  // namespace

class TestHelpBooks : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void bookOfTheLanguage_data() {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QString>("folder");
        QTest::newRow("Spanish") << QLocale::Spanish << spanishFolder;
        QTest::newRow("English") << QLocale::English << englishFolder;
        QTest::newRow("German reads English") << QLocale::German << englishFolder;
    }

    // The contents, every topic and keyword, and every page they lead to
    // link to pages of the language's folder, each page is a topic, and
    // every link and picture leads to a resource and an anchor it has.
    void bookOfTheLanguage() {
        QFETCH(QLocale::Language, language);
        QFETCH(QString, folder);
        QLocale::setDefault(QLocale(language));
        QCOMPARE(helpContentsPage(), QUrl(QStringLiteral("qrc:") + folder + "contenido.html"));

        QStringList topicPages;
        for (const HelpEntry &topic : helpTopics())
            topicPages.append(topic.target.fileName());
        for (const QString &page : pagesIn(folder))
            QVERIFY2(topicPages.contains(page), qPrintable(page));

        QList<QUrl> links;
        for (const HelpEntry &entry : helpTopics() + helpKeywords())
            links.append(entry.target);
        QVERIFY(links.size() > 150);
        const QList<QUrl> entries = links;
        const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
        for (const QUrl &entry : entries) {
            for (const QRegularExpressionMatch &match : reference.globalMatch(helpPageHtml(entry)))
                links.append(entry.resolved(QUrl(match.captured(1))));
        }
        for (const QUrl &link : links) {
            QVERIFY2(exists(link), qPrintable(link.toString()));
            if (link.fileName().endsWith(QStringLiteral(".html")))
                QVERIFY2(link.path() == folder + link.fileName(), qPrintable(link.toString()));
            const QString anchor = QStringLiteral("name=\"%1\"").arg(link.fragment());
            QVERIFY2(!link.hasFragment() || helpPageHtml(link).contains(anchor),
                     qPrintable(link.toString()));
        }
    }

    void everySpanishPageTranslated_data() {
        QTest::addColumn<QString>("page");
        for (const QString &page : pagesIn(spanishFolder))
            QTest::newRow(qPrintable(page)) << page;
    }

    void everySpanishPageTranslated() {
        QFETCH(QString, page);
        QVERIFY(pagesIn(englishFolder).contains(page));
    }
};

QTEST_GUILESS_MAIN(TestHelpBooks)
#include "tst_helpbooks.moc"

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

// Pages whose English translation comes with the fire's pages.
const QStringList translatedWithTheFire{QStringLiteral("brillo3d.html"),
                                        QStringLiteral("optimizar.html"),
                                        QStringLiteral("fuego.html")};

// The program's language for the life of a test.
class Speaking {
public:
    explicit Speaking(QLocale::Language language) { QLocale::setDefault(QLocale(language)); }
    ~Speaking() { QLocale::setDefault(m_previous); }
    Speaking(const Speaking &) = delete;
    Speaking &operator=(const Speaking &) = delete;

private:
    QLocale m_previous;
};

bool exists(const QUrl &link) {
    return QFile::exists(QLatin1Char(':') + link.path());
}

// Where a link leads: its page, or, while an English page is still to come,
// the Spanish page of the same name.
QUrl resolved(const QUrl &link) {
    if (exists(link) || !link.path().startsWith(englishFolder))
        return link;
    QUrl spanish = link;
    spanish.setPath(spanishFolder + link.fileName());
    return spanish;
}

// Every link of the book: its topics, its index and the links and pictures
// of the pages these lead to, as absolute URLs.
QList<QUrl> bookLinks() {
    QList<QUrl> links;
    for (const HelpEntry &entry : helpTopics() + helpKeywords())
        links.append(entry.target);
    const QList<QUrl> entries = links;
    const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    for (const QUrl &page : entries) {
        for (const QRegularExpressionMatch &match : reference.globalMatch(helpPageHtml(page)))
            links.append(page.resolved(QUrl(match.captured(1))));
    }
    return links;
}

void addLanguages() {
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QString>("folder");
    QTest::newRow("Spanish") << QLocale::Spanish << spanishFolder;
    QTest::newRow("English") << QLocale::English << englishFolder;
    QTest::newRow("German reads English") << QLocale::German << englishFolder;
}

}  // namespace

class TestHelpBooks : public QObject {
    Q_OBJECT

private slots:
    void bookOfTheLanguage_data() { addLanguages(); }

    // The contents, every topic and every keyword are pages of the
    // language's folder.
    void bookOfTheLanguage() {
        QFETCH(QLocale::Language, language);
        QFETCH(QString, folder);
        const Speaking speaking(language);
        QCOMPARE(helpContentsPage(), QUrl(QStringLiteral("qrc:") + folder + "contenido.html"));
        const QList<HelpEntry> entries = helpTopics() + helpKeywords();
        QVERIFY(entries.size() > 150);
        for (const HelpEntry &entry : entries) {
            QVERIFY2(entry.target.path() == folder + entry.target.fileName(),
                     qPrintable(entry.text + " → " + entry.target.toString()));
        }
    }

    void everyLinkResolves_data() { addLanguages(); }

    // Each link leads to a page or picture that exists, and to an anchor the
    // page has; a page links to the pages of its own language.
    void everyLinkResolves() {
        QFETCH(QLocale::Language, language);
        QFETCH(QString, folder);
        const Speaking speaking(language);
        for (const QUrl &link : bookLinks()) {
            const QUrl target = resolved(link);
            QVERIFY2(exists(target), qPrintable(link.toString()));
            if (link.fileName().endsWith(QStringLiteral(".html")))
                QVERIFY2(link.path().startsWith(folder), qPrintable(link.toString()));
            if (link.hasFragment()) {
                const QString anchor = QStringLiteral("name=\"%1\"").arg(link.fragment());
                QVERIFY2(helpPageHtml(target).contains(anchor), qPrintable(link.toString()));
            }
        }
    }

    void everyPageIsATopic_data() { addLanguages(); }

    void everyPageIsATopic() {
        QFETCH(QLocale::Language, language);
        QFETCH(QString, folder);
        const Speaking speaking(language);
        QStringList topics;
        for (const HelpEntry &topic : helpTopics())
            topics.append(topic.target.fileName());
        const QStringList pages =
            QDir(QLatin1Char(':') + folder).entryList({QStringLiteral("*.html")}, QDir::Files);
        QVERIFY(!pages.isEmpty());
        for (const QString &page : pages)
            QVERIFY2(topics.contains(page), qPrintable(page));
    }

    void everySpanishPageTranslated_data() {
        QTest::addColumn<QString>("page");
        const QStringList pages =
            QDir(QLatin1Char(':') + spanishFolder).entryList({QStringLiteral("*.html")});
        for (const QString &page : pages)
            QTest::newRow(qPrintable(page)) << page;
    }

    void everySpanishPageTranslated() {
        QFETCH(QString, page);
        const bool translated = QFile::exists(QLatin1Char(':') + englishFolder + page);
        if (!translated && translatedWithTheFire.contains(page))
            QSKIP("translated with the fire's pages");
        QVERIFY(translated);
    }
};

QTEST_GUILESS_MAIN(TestHelpBooks)
#include "tst_helpbooks.moc"

#include "calc/Constants.h"
#include "calc/CutSolver.h"
#include "calc/Gems.h"
#include "help/HelpPages.h"
#include "help/HelpWindow.h"
#include "help/HelpWindowViewer.h"

#include <QApplication>
#include <QCollator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>
#include <cmath>

namespace {

const QByteArray programHelp = QByteArrayLiteral("DIVORURADIDAR-5.hlp");
constexpr quint32 contentsCommand = 3;
constexpr quint32 indexCommand = 261;

// A main window and the help viewer it asks for help.
struct HelpSession {
    QWidget mainWindow;
    HelpWindowViewer viewer;

    HelpWindow *request(quint32 command, const QByteArray &helpFile = programHelp) {
        viewer.winHelp(&mainWindow, helpFile, command, 0);
        return viewer.helpWindow();
    }
};

template <typename T>
T *part(const QWidget *window, const char *name) {
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("the help window has no %s", name);
    return found;
}

QStringList visibleTexts(const QListWidget *list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        if (!list->item(row)->isHidden())
            texts.append(list->item(row)->text());
    }
    return texts;
}

QListWidgetItem *itemNamed(const QListWidget *list, const QString &text) {
    const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
    return items.isEmpty() ? nullptr : items.constFirst();
}

// Every link target of the help: the topics, the index and the links inside
// the pages, as absolute URLs.
QList<QUrl> allHelpLinks() {
    QList<QUrl> links;
    for (const HelpEntry &entry : helpTopics() + helpKeywords())
        links.append(entry.target);
    const QList<QUrl> pages = links;
    const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    for (const QUrl &page : pages) {
        for (const QRegularExpressionMatch &match : href.globalMatch(helpPageHtml(page)))
            links.append(page.resolved(QUrl(match.captured(1))));
    }
    return links;
}

}  // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

private slots:
    // Spanish, as the program sets it for a Spanish desktop.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    // The pages are read when the help window first opens, not before.
    void noWindowBeforeTheFirstRequest() {
        const HelpWindowViewer viewer;
        QCOMPARE(viewer.helpWindow(), nullptr);
    }

    void contentsPage() {
        HelpSession help;
        HelpWindow *window = help.request(contentsCommand);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
        const auto *page = part<QTextBrowser>(window, "helpPage");
        QVERIFY(page->isVisible());
        QCOMPARE(page->source(), QUrl(QStringLiteral("qrc:/ayuda/contenido.html")));
        QCOMPARE(page->documentTitle(), QStringLiteral("Ayuda de CORVELUX"));
        QVERIFY(page->toPlainText().contains(QStringLiteral("Cómo introducir IR, D y épsilon")));
        const auto *tabs = part<QTabWidget>(window, "helpTabs");
        QCOMPARE(tabs->currentWidget(), part<QListWidget>(window, "helpTopics"));
    }

    // The index lists every keyword in Spanish alphabetical order, with
    // nothing typed in the field above it, which has the focus.
    void escapeClosesTheWindow() {
        HelpSession help;
        HelpWindow *window = help.request(indexCommand);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
        QVERIFY(window->isHidden());
    }

    void indexWithoutKeyword() {
        HelpSession help;
        HelpWindow *window = help.request(indexCommand);
        const auto *keywords = part<QListWidget>(window, "helpKeywords");
        auto *filter = part<QLineEdit>(window, "helpFilter");
        QVERIFY(keywords->isVisible());
        QVERIFY(filter->isVisible());
        QCOMPARE(filter->text(), QString());
        QCOMPARE(window->focusWidget(), filter);

        const QStringList shown = visibleTexts(keywords);
        QCOMPARE(shown.size(), keywords->count());
        QVERIFY(shown.size() > 40);
        QCollator spanish{QLocale(QLocale::Spanish)};
        spanish.setCaseSensitivity(Qt::CaseInsensitive);
        for (qsizetype i = 1; i < shown.size(); ++i)
            QVERIFY2(spanish.compare(shown[i - 1], shown[i]) <= 0, qPrintable(shown[i]));
        // Accented words stay among their letter.
        QVERIFY(shown.indexOf(QStringLiteral("altura total")) <
                shown.indexOf(QStringLiteral("ángulo crítico")));
        QVERIFY(shown.indexOf(QStringLiteral("ángulo de pabellón")) <
                shown.indexOf(QStringLiteral("animación de los rayos")));
        QVERIFY(shown.indexOf(QStringLiteral("épsilon")) <
                shown.indexOf(QStringLiteral("ESPEJAR")));
    }

    // Typing filters the list to the keywords containing the text; Enter
    // shows the page of the first keyword that begins with it.
    void filterAndEnter() {
        HelpSession help;
        HelpWindow *window = help.request(indexCommand);
        auto *filter = part<QLineEdit>(window, "helpFilter");
        const auto *keywords = part<QListWidget>(window, "helpKeywords");

        QTest::keyClicks(filter, QStringLiteral("angulo"));
        const QStringList expected{
            QStringLiteral("alfa (ángulo de pabellón)"), QStringLiteral("ángulo crítico"),
            QStringLiteral("ángulo de corona"),          QStringLiteral("ángulo de pabellón"),
            QStringLiteral("i (ángulo de corona)"),      QStringLiteral("MEDIDAS y ÁNGULOS")};
        QCOMPARE(visibleTexts(keywords), expected);

        QTest::keyClick(filter, Qt::Key_Return);
        QCOMPARE(part<QTextBrowser>(window, "helpPage")->source(),
                 QUrl(QStringLiteral("qrc:/ayuda/espejar.html#critico")));

        QTest::keyClicks(filter, QStringLiteral("zzz"));
        QVERIFY(visibleTexts(keywords).isEmpty());
        QTest::keyClick(filter, Qt::Key_Return);  // nothing to show: page stays
        QCOMPARE(part<QTextBrowser>(window, "helpPage")->source().fragment(),
                 QStringLiteral("critico"));

        // A new index request starts again with the whole list.
        help.request(indexCommand);
        QCOMPARE(filter->text(), QString());
        QCOMPARE(visibleTexts(keywords).size(), keywords->count());
    }

    void clickOnKeywordShowsItsPage() {
        HelpSession help;
        HelpWindow *window = help.request(indexCommand);
        auto *keywords = part<QListWidget>(window, "helpKeywords");

        QListWidgetItem *mirror = itemNamed(keywords, QStringLiteral("ESPEJAR"));
        QVERIFY(mirror);
        keywords->scrollToItem(mirror);
        QTest::mouseClick(keywords->viewport(), Qt::LeftButton, {},
                          keywords->visualItemRect(mirror).center());

        const auto *page = part<QTextBrowser>(window, "helpPage");
        QCOMPARE(page->source(), QUrl(QStringLiteral("qrc:/ayuda/espejar.html#aviso")));
        QVERIFY(page->toPlainText().contains(QStringLiteral("ESPEJAR o AUMENTAR épsilon")));
    }

    void fileName_data() {
        QTest::addColumn<QByteArray>("helpFile");
        QTest::addColumn<bool>("known");
        QTest::newRow("program's file") << programHelp << true;
        QTest::newRow("other case") << QByteArray("divoruradidar-5.HLP") << true;
        QTest::newRow("with a folder") << QByteArray("/usr/share/DIVORURADIDAR-5.hlp") << true;
        QTest::newRow("other file") << QByteArray("OTRA.HLP") << false;
        QTest::newRow("longer name") << QByteArray("DIVORURADIDAR-5.hlp.bak") << false;
        QTest::newRow("empty name") << QByteArray() << false;
    }

    // For a file it has no help for, the window says so, naming the file.
    void fileName() {
        QFETCH(QByteArray, helpFile);
        QFETCH(bool, known);
        HelpSession help;
        HelpWindow *window = help.request(contentsCommand, helpFile);
        QVERIFY(window->isVisible());
        const auto *missing = part<QLabel>(window, "helpMissingFile");
        QCOMPARE(missing->isVisible(), !known);
        QCOMPARE(part<QTextBrowser>(window, "helpPage")->isVisible(), known);
        if (!known) {
            QCOMPARE(missing->text(),
                     QStringLiteral("No se encuentra el archivo de ayuda \"%1\".\n\n"
                                    "Esta ventana sólo contiene la ayuda de CORVELUX.")
                         .arg(QString::fromLatin1(helpFile)));
        }
    }

    void knownFileAfterAnUnknownOne() {
        HelpSession help;
        help.request(indexCommand, QByteArray("OTRA.HLP"));
        HelpWindow *window = help.request(indexCommand);
        QVERIFY(!part<QLabel>(window, "helpMissingFile")->isVisible());
        QVERIFY(part<QListWidget>(window, "helpKeywords")->isVisible());
    }

    // However often help is asked for, there is one help window; closed, it
    // comes back at the next request.
    void oneInstance() {
        HelpSession help;
        HelpWindow *first = help.request(contentsCommand);
        QCOMPARE(help.request(indexCommand), first);
        QCOMPARE(help.request(contentsCommand), first);

        const auto isHelpWindow = [](const QWidget *widget) {
            return qobject_cast<const HelpWindow *>(widget) != nullptr;
        };
        const QWidgetList topLevel = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(topLevel.begin(), topLevel.end(), isHelpWindow), 1);
        QCOMPARE(part<QTabWidget>(first, "helpTabs")->currentWidget(),
                 part<QListWidget>(first, "helpTopics"));

        first->close();
        QVERIFY(!first->isVisible());
        QCOMPARE(help.request(indexCommand), first);
        QVERIFY(first->isVisible());
    }

    // Every topic, keyword and link leads to a page of the help, and to an
    // anchor that page has.
    void everyLinkLeadsToAPage() {
        const QList<QUrl> links = allHelpLinks();
        QVERIFY(links.size() > 90);
        for (const QUrl &link : links) {
            const QString page = helpPageHtml(link);
            QVERIFY2(!page.isEmpty(), qPrintable(link.toString()));
            if (link.hasFragment()) {
                const QString anchor = QStringLiteral("name=\"%1\"").arg(link.fragment());
                QVERIFY2(page.contains(anchor), qPrintable(link.toString()));
            }
        }
    }

    // Each material is an index keyword; the gem table's numbers are the
    // material's density and those of the cut solver.
    void gemTable() {
        HelpSession help;
        auto *keywords = part<QListWidget>(help.request(indexCommand), "helpKeywords");
        for (const Gem &gem : commonGems())
            QVERIFY2(itemNamed(keywords, gem.name()), qPrintable(gem.name()));
        QListWidgetItem *diamond = itemNamed(keywords, QStringLiteral("Diamante"));
        keywords->scrollToItem(diamond);
        QTest::mouseClick(keywords->viewport(), Qt::LeftButton, {},
                          keywords->visualItemRect(diamond).center());

        // One table cell per line, row after row.
        const auto *page = part<QTextBrowser>(help.viewer.helpWindow(), "helpPage");
        const QStringList cells = page->toPlainText().split(u'\n');
        const QStringList row = cells.mid(cells.indexOf(QStringLiteral("Diamante")), 10);
        QCOMPARE(row.mid(0, 3), (QStringList{"Diamante", "2.417", "3.52"}));
        const CutResult cut = solveCut(2.417, 0);
        const double expected[] = {
            degrees(cut.i), degrees(cut.alfa),      cut.aRatio, cut.bRatio, cut.qRatio,
            cut.nRatio,     cut.nRatio + cut.qRatio};
        for (int k = 0; k < 7; ++k) {
            const double halfLastDigit = k < 2 ? 0.005 : 0.0005;
            QVERIFY2(std::fabs(row.value(k + 3).toDouble() - expected[k]) <= halfLastDigit,
                     qPrintable(row.value(k + 3)));
        }
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"

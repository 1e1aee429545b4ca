#include "help/HelpWindow.h"

#include "help/HelpBrowser.h"
#include "help/HelpEntries.h"
#include "help/HelpPages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// A list of entries, each item keeping the page it leads to.
QListWidget *createEntryList(const QList<HelpEntry> &entries, const QString &name) {
    auto *list = new QListWidget;
    list->setObjectName(name);
    for (const HelpEntry &entry : entries) {
        auto *item = new QListWidgetItem(entry.text, list);
        item->setData(Qt::UserRole, entry.target);
    }
    return list;
}

}  // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Ayuda de CORVELUX"));
    // Like the platform's help viewer, this window does not keep the program
    // alive once the program's own windows are closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    // A reader's window: Escape puts it away, as it does a dialog.
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    m_missing = new QLabel;
    m_missing->setObjectName(QStringLiteral("helpMissingFile"));
    m_missing->setAlignment(Qt::AlignCenter);
    m_missing->setWordWrap(true);
    m_missing->setMargin(24);

    m_views = new QStackedWidget;
    m_book = createBook();
    m_views->addWidget(m_book);
    m_views->addWidget(m_missing);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_views);
    resize(780, 540);
}

QUrl HelpWindow::contentsPage() {
    return helpContentsPage();
}

QWidget *HelpWindow::createBook() {
    m_page = new HelpBrowser;
    m_page->setObjectName(QStringLiteral("helpPage"));
    m_page->setOpenLinks(true);

    m_topics = createEntryList(helpTopics(), QStringLiteral("helpTopics"));
    connect(m_topics, &QListWidget::itemClicked, this, &HelpWindow::showEntry);
    connect(m_topics, &QListWidget::itemActivated, this, &HelpWindow::showEntry);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("helpTabs"));
    m_tabs->addTab(m_topics, tr("&Contenido"));
    m_tabs->addTab(createIndexPane(), tr("Í&ndice"));

    auto *reader = new QWidget;
    auto *readerLayout = new QVBoxLayout(reader);
    readerLayout->setContentsMargins(0, 0, 0, 0);
    readerLayout->addWidget(createNavigation());
    readerLayout->addWidget(m_page);

    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_tabs);
    splitter->addWidget(reader);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 540});
    splitter->setChildrenCollapsible(false);
    splitter->setContentsMargins(6, 6, 6, 6);
    return splitter;
}

QWidget *HelpWindow::createNavigation() {
    auto *back = new QPushButton(tr("&Atrás"));
    auto *forward = new QPushButton(tr("Ade&lante"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, m_page, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_page, &QTextBrowser::forward);
    connect(m_page, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_page, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto *navigation = new QWidget;
    auto *layout = new QHBoxLayout(navigation);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(back);
    layout->addWidget(forward);
    layout->addStretch();
    return navigation;
}

QWidget *HelpWindow::createIndexPane() {
    m_filter = new QLineEdit;
    m_filter->setObjectName(QStringLiteral("helpFilter"));
    m_filter->setClearButtonEnabled(true);
    auto *prompt = new QLabel(tr("&Escriba la palabra que busca:"));
    prompt->setBuddy(m_filter);

    m_keywords =
        createEntryList(sortedAlphabetically(helpKeywords()), QStringLiteral("helpKeywords"));
    connect(m_filter, &QLineEdit::textChanged, this, &HelpWindow::filterKeywords);
    connect(m_filter, &QLineEdit::returnPressed, this,
            [this] { showEntry(m_keywords->currentItem()); });
    connect(m_keywords, &QListWidget::itemClicked, this, &HelpWindow::showEntry);
    connect(m_keywords, &QListWidget::itemActivated, this, &HelpWindow::showEntry);

    m_indexPane = new QWidget;
    auto *layout = new QVBoxLayout(m_indexPane);
    layout->addWidget(prompt);
    layout->addWidget(m_filter);
    layout->addWidget(m_keywords);
    return m_indexPane;
}

void HelpWindow::showContents() {
    m_views->setCurrentWidget(m_book);
    m_tabs->setCurrentWidget(m_topics);
    showPage(contentsPage());
}

void HelpWindow::showIndex() {
    m_views->setCurrentWidget(m_book);
    m_tabs->setCurrentWidget(m_indexPane);
    m_filter->clear();
    filterKeywords(QString());
    if (m_page->source().isEmpty())
        showPage(contentsPage());
    m_filter->setFocus();
}

void HelpWindow::showMissingFile(const QString &fileName) {
    m_missing->setText(tr("No se encuentra el archivo de ayuda \"%1\".\n\n"
                          "Esta ventana sólo contiene la ayuda de CORVELUX.")
                           .arg(fileName));
    m_views->setCurrentWidget(m_missing);
}

// Hides the keywords that do not contain the typed text. The current entry,
// the one Enter in the field shows, is the first that begins with it, or else
// the first that contains it.
void HelpWindow::filterKeywords(const QString &typed) {
    QListWidgetItem *firstMatch = nullptr;
    QListWidgetItem *firstBeginning = nullptr;
    for (int row = 0; row < m_keywords->count(); ++row) {
        QListWidgetItem *item = m_keywords->item(row);
        const bool matches = keywordMatches(item->text(), typed);
        item->setHidden(!matches);
        if (matches && !firstMatch)
            firstMatch = item;
        if (matches && !firstBeginning && keywordBeginsWith(item->text(), typed))
            firstBeginning = item;
    }
    QListWidgetItem *current = firstBeginning ? firstBeginning : firstMatch;
    m_keywords->setCurrentItem(current);
    if (current)
        m_keywords->scrollToItem(current);
}

void HelpWindow::showEntry(const QListWidgetItem *item) {
    if (item)
        showPage(item->data(Qt::UserRole).toUrl());
}

void HelpWindow::showPage(const QUrl &page) {
    // A second click on the entry that is shown does not add to the history.
    if (page != m_page->source())
        m_page->setSource(page);
}

#pragma once

#include <QWidget>

class HelpBrowser;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QStackedWidget;
class QTabWidget;
class QUrl;

// The program's help window: its pages on the right, and on the left a list
// of topics ("Contenido") and an alphabetical index of keywords with a field
// to filter it ("Índice"). It is modeless and does not keep the program
// running on its own.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // The contents page, with the list of topics beside it.
    void showContents();
    // The index with every keyword listed and nothing typed in its field.
    void showIndex();
    // A text telling that this window has no help for the named file.
    void showMissingFile(const QString &fileName);

    // Where the contents page lives.
    static QUrl contentsPage();

private:
    QWidget *createBook();
    QWidget *createNavigation();
    QWidget *createIndexPane();
    void filterKeywords(const QString &typed);
    void showEntry(const QListWidgetItem *item);
    void showPage(const QUrl &page);

    QStackedWidget *m_views = nullptr;
    QWidget *m_book = nullptr;
    QTabWidget *m_tabs = nullptr;
    QListWidget *m_topics = nullptr;
    QWidget *m_indexPane = nullptr;
    QLineEdit *m_filter = nullptr;
    QListWidget *m_keywords = nullptr;
    HelpBrowser *m_page = nullptr;
    QLabel *m_missing = nullptr;
};

#include "app/CurrentDesign.h"
#include "app/OptimiserCommands.h"
#include "app/VerificationCommands.h"
#include "calc/ComputePlan.h"
#include "cli/ProgramLanguage.h"
#include "help/HelpWindowViewer.h"
#include "stone/StoneDesign.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/SmallSearch.h"
#include "tests/support/ForeignWords.h"
#include "windows/Acercade.h"
#include "windows/FrmOptimizar.h"
#include "windows/FrmReceta.h"
#include "windows/FrmSplash.h"
#include "windows/FrmVerificacion.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QProgressBar>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {

constexpr int traceTimeout = 120000;

// Plain text, as a label or a tooltip in rich text reads.
QString plain(const QString &text) {
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

void addModelTexts(const QAbstractItemModel &model, QStringList &texts) {
    for (const int role : {Qt::DisplayRole, Qt::ToolTipRole}) {
        for (int column = 0; column < model.columnCount(); ++column)
            texts << model.headerData(column, Qt::Horizontal, role).toString();
        for (int row = 0; row < model.rowCount(); ++row) {
            texts << model.headerData(row, Qt::Vertical, role).toString();
            for (int column = 0; column < model.columnCount(); ++column)
                texts << model.index(row, column).data(role).toString();
        }
    }
}

// What a widget shows, whether visible now or later, or tells assistive
// technology, and the texts of its actions and menus.
void addWidgetTexts(const QWidget &widget, QStringList &texts) {
    texts << widget.windowTitle() << widget.toolTip() << widget.statusTip() << widget.whatsThis()
          << widget.accessibleName() << widget.accessibleDescription();
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        texts << label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        texts << button->text();
    if (const auto *box = qobject_cast<const QGroupBox *>(&widget))
        texts << box->title();
    if (const auto *field = qobject_cast<const QLineEdit *>(&widget))
        texts << field->placeholderText();
    if (const auto *combo = qobject_cast<const QComboBox *>(&widget))
        addModelTexts(*combo->model(), texts);
    if (const auto *view = qobject_cast<const QAbstractItemView *>(&widget))
        addModelTexts(*view->model(), texts);
    if (const auto *tabs = qobject_cast<const QTabBar *>(&widget)) {
        for (int tab = 0; tab < tabs->count(); ++tab)
            texts << tabs->tabText(tab) << tabs->tabToolTip(tab);
    }
    if (const auto *page = qobject_cast<const QTextEdit *>(&widget))
        texts << page->toPlainText();
    if (const auto *menu = qobject_cast<const QMenu *>(&widget))
        texts << menu->title();
    for (const QAction *action : widget.actions())
        texts << action->text() << action->toolTip() << action->statusTip() << action->whatsThis();
}

// Every text of every window open.
QStringList windowTexts() {
    QStringList texts;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        addWidgetTexts(*window, texts);
        for (const QWidget *child : window->findChildren<QWidget *>())
            addWidgetTexts(*child, texts);
    }
    for (QString &text : texts)
        text = plain(text);
    return texts;
}

void waitUntilTraced(const QWidget *window) {
    const auto *progress = control<QProgressBar>(*window, QStringLiteral("progreso"));
    if (!QTest::qWaitFor([progress] { return progress->isHidden(); }, traceTimeout))
        qWarning("%s did not finish tracing", qPrintable(window->objectName()));
}

// Every window of the program on the diamond computed: the splash, the main
// window with its menus, About, the cutting recipe, the help at its contents
// and index, and the verification and the search traced whole (on a coarse
// grid, since only their texts matter). The file dialogs, asked from the
// main window and the recipe, are cancelled; what they were asked is kept,
// as is the message of CALCULAR on empty fields.
struct EveryWindow {
    EveryWindow() {
        for (QPushButton *button : {main.ui().Command2, main.ui().Command3, main.ui().Command2})
            QTest::mouseClick(button, Qt::LeftButton);
        for (const char *item : {"mnuTaReceta", "mnuAyContenido", "mnuAyIndice", "mnuArAbrir",
                                 "mnuArGuardar", "mnuImGuardar"})
            main.ui().menuItem(QString::fromLatin1(item))->trigger();
        const auto *recipe = control<FrmReceta>(main.window, QStringLiteral("FrmReceta"));
        QTest::mouseClick(control<QPushButton>(*recipe, QStringLiteral("botonGuardar")),
                          Qt::LeftButton);
        for (const HelpRequest &request : main.helpViewer.requests())
            help.winHelp(request.window, request.helpFile, request.command, request.data);

        const ComputePlan plan = planComputation({"2.417", "10", "0"}, QStringLiteral("."));
        design.setCut(plan.cut, plan.D, stone::nearestGemMaterial(plan.cut.IR));
        verification.open();
        optimiser.open();
        QTest::mouseClick(control<QPushButton>(*optimiser.window(), QStringLiteral("botonBuscar")),
                          Qt::LeftButton);
        waitUntilTraced(verification.window());
        waitUntilTraced(optimiser.window());
    }

    // The texts of the windows, the file types the dialogs listed, and the
    // message shown.
    QStringList texts() const {
        QStringList texts = windowTexts() + main.messages->messages();
        for (const ScriptedCuadro::Request &request : main.cuadro->requests()) {
            for (const FileType &type : request.fileTypes)
                texts << type.caption;
        }
        return texts;
    }

    FrmSplash splash;
    Acercade about;
    MainWindowFixture main;
    HelpWindowViewer help;
    QWidget owner;
    CurrentDesign design{&owner};
    VerificationCommands verification{owner, design, TraceResolution{40, 12, 20}};
    OptimiserCommands optimiser{owner, design, smallSearch()};
};

// The texts of every window as the program starts them on a desktop whose
// LANG is lang, and the language it speaks then.
struct Texts {
    QLocale::Language spoken;
    QStringList texts;
};
Texts textsOnADesktop(const QByteArray &lang) {
    for (const char *overriding : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(overriding);
    qputenv("LANG", lang);
    const ProgramLanguage translations(desktopLanguage());
    const EveryWindow windows;
    return {QLocale().language(), windows.texts()};
}

}  // namespace

class TestWindowLanguage : public QObject {
    Q_OBJECT

private slots:
    // Started on an English desktop and on a Spanish one, no window shows a
    // text in the other language, and none left in Spanish in English.
    void everyTextInTheDesktopsLanguage() {
        const Texts english = textsOnADesktop("en_US.UTF-8");
        const Texts spanish = textsOnADesktop("es_ES.UTF-8");
        QCOMPARE(english.spoken, QLocale::English);
        QCOMPARE(spanish.spoken, QLocale::Spanish);
        const bool englishOnly = noForeignLines(english.texts, QLocale::English);
        const bool spanishOnly = noForeignLines(spanish.texts, QLocale::Spanish);
        const bool translated = noUntranslatedLines(english.texts, spanish.texts);
        QVERIFY2(englishOnly && spanishOnly && translated, "texts in the wrong language, listed");
    }
};

QTEST_MAIN(TestWindowLanguage)
#include "tst_windowlanguage.moc"

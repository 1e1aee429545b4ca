#include "app/ProgramWindows.h"
#include "drawing/NoWaitPacer.h"
#include "help/HelpSettings.h"
#include "tests/support/MainWindowControls.h"
#include "tests/support/RecordingHelpViewer.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScriptedCuadro.h"
#include "windows/Acercade.h"
#include "windows/CanvasWidget.h"
#include "windows/Form1.h"
#include "windows/FrmSplash.h"

#include <QApplication>
#include <QTest>

namespace {

// Lets windows closed with WA_DeleteOnClose go.
void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// How many top-level widgets satisfy the condition.
template <typename Condition>
qsizetype countTopLevel(Condition condition) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::count_if(windows.begin(), windows.end(), condition);
}

void clickSiguiente(FrmSplash &splash) {
    QTest::mouseClick(control<QLabel>(splash, "Label2"), Qt::LeftButton);
}

}  // namespace

class TestProgramWindows : public QObject {
    Q_OBJECT

private:
    NoWaitPacer m_pacer;
    HelpSettings m_helpSettings;
    RecordingHelpViewer m_helpViewer;

    ProgramServices services() {
        return {m_pacer, m_helpSettings, m_helpViewer,
                [](QWidget *) { return std::make_unique<RecordingMessageSink>(); },
                [](QWidget *) { return std::make_unique<ScriptedCuadro>(); }};
    }

private slots:
    void siguienteOpensTheMainWindowAndKeepsTheSplash() {
        ProgramWindows windows(services());
        FrmSplash *splash = windows.openSplash();
        QVERIFY(splash->isVisible());
        QVERIFY(!windows.mainWindow());

        clickSiguiente(*splash);
        QVERIFY(windows.mainWindow());
        QVERIFY(windows.mainWindow()->isVisible());
        QVERIFY(splash->isVisible());
    }

    void mainWindowIsRaisedNotRebuiltWhileOpen() {
        ProgramWindows windows(services());
        Form1 *first = windows.openMainWindow();
        first->setInputs(QStringLiteral("2.419"), QString(), QString());
        clickSiguiente(*windows.openSplash());
        QCOMPARE(windows.mainWindow(), first);
        QCOMPARE(first->irText(), QStringLiteral("2.419"));
    }

    void closedMainWindowReopensWithItsInitialContents() {
        ProgramWindows windows(services());
        FrmSplash *splash = windows.openSplash();
        clickSiguiente(*splash);
        const MainWindowControls used(*windows.mainWindow());
        QTest::mouseClick(used.Command3, Qt::LeftButton);
        QTest::mouseClick(used.Command2, Qt::LeftButton);
        used.Text4->setText(QStringLiteral("IR= "));
        windows.mainWindow()->close();
        flushDeletes();
        QVERIFY(!windows.mainWindow());
        QVERIFY(splash->isVisible());

        clickSiguiente(*splash);
        const MainWindowControls fresh(*windows.mainWindow());
        QCOMPARE(fresh.Text1->text(), QString());
        QCOMPARE(fresh.Text3->text(), QString());
        QCOMPARE(fresh.Text2->text(), QString());
        QCOMPARE(fresh.Text4->text(), QStringLiteral("  IR="));
        QCOMPARE(fresh.Text5->text(), QStringLiteral("  D="));
        QCOMPARE(fresh.Text6->text(), QStringLiteral("  eps.="));
        QVERIFY(fresh.Label5->isHidden());
        const QImage picture = fresh.Picture1->image();
        QCOMPARE(picture.pixel(picture.width() / 2, picture.height() / 2), picture.pixel(0, 0));
    }

    void aboutOpensOnceAndCloses() {
        ProgramWindows windows(services());
        MainWindowControls(*windows.openMainWindow()).menuItem("mnuAyAcerca")->trigger();
        Acercade *about = windows.about();
        QVERIFY(about && about->isVisible());
        MainWindowControls(*windows.mainWindow()).menuItem("mnuAyAcerca")->trigger();
        QCOMPARE(windows.about(), about);
        QCOMPARE(countTopLevel([](QWidget *w) { return qobject_cast<Acercade *>(w) != nullptr; }),
                 1);

        QTest::mouseClick(control<QPushButton>(*about, "Aceptar"), Qt::LeftButton);
        flushDeletes();
        QVERIFY(!windows.about());
    }

    void keyOnTheSplash_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("closes");
        QTest::newRow("letter") << int(Qt::Key_A) << "a" << true;
        QTest::newRow("digit") << int(Qt::Key_7) << "7" << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << "\r" << false;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << "\x1b" << true;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << "" << false;
    }

    void keyOnTheSplash() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, closes);
        ProgramWindows windows(services());
        FrmSplash *splash = windows.openSplash();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(splash, &press);
        flushDeletes();
        QCOMPARE(!windows.splash(), closes);
    }

    // A key on the splash with no other window open leaves no window, which
    // ends the program; with the main window open only the splash goes.
    void splashKeyEndsTheProgramOnlyWhenAlone() {
        const auto visible = [](QWidget *w) { return w->isVisible(); };
        ProgramWindows windows(services());
        QTest::keyClick(windows.openSplash(), Qt::Key_X);
        flushDeletes();
        QCOMPARE(countTopLevel(visible), 0);

        clickSiguiente(*windows.openSplash());
        QTest::keyClick(windows.splash(), Qt::Key_X);
        flushDeletes();
        QVERIFY(!windows.splash());
        QCOMPARE(countTopLevel(visible), 1);
        QVERIFY(windows.mainWindow()->isVisible());
        QVERIFY(windows.mainWindow()->testAttribute(Qt::WA_QuitOnClose));
    }

    void salirClosesEveryWindow() {
        ProgramWindows windows(services());
        clickSiguiente(*windows.openSplash());
        windows.openAbout();
        QTest::mouseClick(MainWindowControls(*windows.mainWindow()).Command1, Qt::LeftButton);
        flushDeletes();
        QVERIFY(!windows.splash());
        QVERIFY(!windows.mainWindow());
        QVERIFY(!windows.about());
        QCOMPARE(countTopLevel([](QWidget *w) { return w->isVisible(); }), 0);
    }
};

QTEST_MAIN(TestProgramWindows)
#include "tst_programwindows.moc"

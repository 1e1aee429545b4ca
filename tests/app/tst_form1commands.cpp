#include "MainWindowFixture.h"

#include "calc/Constants.h"
#include "calc/CutSolver.h"
#include "calc/Messages.h"
#include "drawing/CutDrawing.h"
#include "drawing/Profile.h"
#include "windows/WindowCanvases.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

void typeInputs(MainWindowControls &ui, const QString &ir, const QString &diameter,
                const QString &eps) {
    ui.Text1->setText(ir);
    ui.Text3->setText(diameter);
    ui.Text2->setText(eps);
}

QStringList inputs(const MainWindowControls &ui) {
    return {ui.Text1->text(), ui.Text3->text(), ui.Text2->text()};
}

// Presses CALCULAR as a screen reader does, which unlike a click moves no
// focus: where the focus ends is the command's doing.
void compute(MainWindowControls &ui, const QStringList &typed) {
    typeInputs(ui, typed[0], typed[1], typed[2]);
    QSignalSpy pressed(ui.Command2, &QAbstractButton::clicked);
    QAccessible::queryAccessibleInterface(ui.Command2)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    pressed.wait();
}

// Holds the user's input back like the animation's pacer: three clicks on
// CALCULAR made during the animation are handed to the window after it.
struct HoldingPacer final : Pacer {
    void pause() override {
        if (++pauses > 1 || !button)
            return;
        const QPointF centre = QRectF(button->rect()).center();
        for (int click = 0; click < 3; ++click) {
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QCoreApplication::postEvent(
                    button, new QMouseEvent(type, centre, button->mapToGlobal(centre),
                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
            }
        }
    }
    bool holdsInputBack() const override { return true; }

    QWidget *button = nullptr;
    int pauses = 0;
};

}  // namespace

class TestForm1Commands : public QObject {
    Q_OBJECT

private slots:
    void computeOutcomes_data() {
        QTest::addColumn<QStringList>("typed");  // IR, D, épsilon
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("echo");  // empty: the read-out stays hidden

        QTest::newRow("IR empty") << QStringList{"", "10", "10"} << Messages::irTooSmall()
                                  << QString();
        QTest::newRow("IR 1") << QStringList{"1", "10", "10"} << Messages::irTooSmall()
                              << QString();
        QTest::newRow("D 0") << QStringList{"2.42", "0", "10"} << Messages::diameterTooSmall()
                             << "2.42";
        QTest::newRow("crown") << QStringList{"1.5", "10", "40"} << Messages::negativeCrown()
                               << "1.5";
        QTest::newRow("range") << QStringList{"4", "10", "95"} << Messages::epsilonRange() << "4";
        QTest::newRow("IR never matched")
            << QStringList{"2.4175", "10", "10"} << Messages::irUnmatched() << "2.4175";
        QTest::newRow("diamond") << QStringList{"2.419", "10", "10"} << QString() << "2.419";
        QTest::newRow("comma reads as 2") << QStringList{"2,42", "10", "0"} << QString() << "2";
        QTest::newRow("IR wider than the read-out")
            << QStringList{"1000.001", "10", "0"} << QString() << "1000.001";
    }

    void computeOutcomes() {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(QString, echo);

        MainWindowFixture f;
        MainWindowControls &ui = f.ui();
        ui.Text7->show();  // as after a file was opened
        ui.Label13->show();
        ui.Label11->hide();
        compute(ui, typed);

        QCOMPARE(f.messages->messages(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(ui.Label5->text(), echo);
        QCOMPARE(ui.Label5->isVisible(), !echo.isEmpty());
        QVERIFY(ui.Label5->width() >= QFontMetrics(ui.Label5->font()).horizontalAdvance(echo));
        QCOMPARE(ui.Label4->text(), echo.isEmpty() ? QString() : QStringLiteral("IR ="));
        QCOMPARE(isBlank(*ui.Picture1), !message.isEmpty());
        QCOMPARE(isBlank(*ui.Picture2), !message.isEmpty());
        QVERIFY(ui.Text7->isHidden());
        QVERIFY(ui.Label13->isHidden());
        QVERIFY(ui.Label11->isVisible());
        QCOMPARE(inputs(ui), typed);
        QCOMPARE(QApplication::focusWidget(), ui.Command2);
    }

    // The window shows exactly what the drawing and read-out give for the
    // diamond preset, drawn on canvases set up like the window's own.
    void diamondComputationDrawsAndPrintsEverything() {
        MainWindowFixture f;
        QTest::mouseClick(f.ui().Command3, Qt::LeftButton);
        QTest::mouseClick(f.ui().Command2, Qt::LeftButton);

        WindowCanvases expected;
        NoWaitPacer pacer;
        drawCut(expected.picture1, expected.picture2, 10, solveCut(2.419, 10 * pi / 180), pacer);

        QCOMPARE(f.ui().Label5->text(), QStringLiteral("2.419"));
        QCOMPARE(f.ui().Picture1->image(), expected.picture1.image());
        QCOMPARE(f.ui().Picture2->image(), expected.picture2.image());
        QVERIFY(!isBlank(expected.picture1));
    }

    // While the rays run, the dimensioned profile shows only its outline:
    // the dimensions and results appear once the animation has ended.
    void dimensionsFollowTheRays() {
        MainWindowFixture f;
        QImage duringRays;
        f.pacer.onPause = [&] {
            if (duringRays.isNull())
                duringRays = f.ui().Picture1->image();
        };
        QTest::mouseClick(f.ui().Command3, Qt::LeftButton);
        QTest::mouseClick(f.ui().Command2, Qt::LeftButton);

        WindowCanvases outlineOnly;
        drawProfile(outlineOnly.picture1, outlineOnly.picture2, solveCut(2.419, 10 * pi / 180));
        QCOMPARE(duringRays, outlineOnly.picture1.image());
    }

    // Every computation starts from blank canvases and a blank echo: nothing
    // of an earlier one shows under or beside the new result.
    void computationsStartAfresh_data() {
        const QStringList diamond{"2.419", "10", "10"};
        const QStringList quartz{"1.540", "10", "12"};
        QTest::addColumn<QList<QStringList>>("runs");  // IR, D, épsilon, one press each
        QTest::newRow("diamond, quartz") << QList<QStringList>{diamond, quartz};
        QTest::newRow("quartz, diamond") << QList<QStringList>{quartz, diamond};
        QTest::newRow("diamond, quartz, IR rejected")
            << QList<QStringList>{diamond, quartz, {"1", "10", "10"}};
        QTest::newRow("quartz, IR unmatched") << QList<QStringList>{quartz, {"2.4175", "10", "0"}};
    }

    void computationsStartAfresh() {
        QFETCH(QList<QStringList>, runs);
        MainWindowFixture repeated;
        for (const QStringList &typed : runs)
            compute(repeated.ui(), typed);
        MainWindowFixture once;
        compute(once.ui(), runs.last());

        QCOMPARE(repeated.ui().Picture1->image(), once.ui().Picture1->image());
        QCOMPARE(repeated.ui().Picture2->image(), once.ui().Picture2->image());
        QCOMPARE(repeated.ui().Label4->text(), once.ui().Label4->text());
        QCOMPARE(repeated.ui().Label5->text(), once.ui().Label5->text());
        QCOMPARE(repeated.ui().Label5->isVisible(), once.ui().Label5->isVisible());
    }

    void presets_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("DIAMANTE") << "Command3" << QStringList{"2.419", "10", "10"};
        QTest::newRow("CUARZO") << "Command4" << QStringList{"1.540", "10", "12"};
    }

    void presets() {
        QFETCH(QString, button);
        QFETCH(QStringList, expected);

        MainWindowFixture f;
        MainWindowControls &ui = f.ui();
        typeInputs(ui, "2.42", "10", "0");
        QTest::mouseClick(ui.Command2, Qt::LeftButton);
        typeInputs(ui, "not a number", "x", "y");
        ui.Text7->show();  // the file notice is left alone
        ui.Text1->setFocus();

        QTest::mouseClick(control<QPushButton>(f.window, button), Qt::LeftButton);

        QCOMPARE(inputs(ui), expected);
        QVERIFY(isBlank(*ui.Picture1));
        QVERIFY(isBlank(*ui.Picture2));
        QCOMPARE(ui.Label4->text(), QString());
        QCOMPARE(ui.Label5->text(), QString());
        QVERIFY(ui.Label5->isVisible());
        QVERIFY(ui.Text7->isVisible());
        QCOMPARE(QApplication::focusWidget(), ui.Command2);
        QVERIFY(f.messages->messages().isEmpty());
    }

    void customGemClearsEverything() {
        MainWindowFixture f;
        MainWindowControls &ui = f.ui();
        QTest::mouseClick(ui.Command3, Qt::LeftButton);
        QTest::mouseClick(ui.Command2, Qt::LeftButton);
        QTest::mouseClick(ui.Command5, Qt::LeftButton);

        QCOMPARE(inputs(ui), (QStringList{"", "", ""}));
        QVERIFY(isBlank(*ui.Picture1));
        QVERIFY(isBlank(*ui.Picture2));
        QCOMPARE(ui.Label5->text(), QString());
        QCOMPARE(QApplication::focusWidget(), ui.Text1);
    }

    void entryMenuItemsOnlyMoveTheFocus_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("field");
        QTest::newRow("Entre IR") << "mnuArIR"
                                  << "Text1";
        QTest::newRow("Diametro") << QString::fromUtf8("mnuArDiámmetro") << "Text3";
        QTest::newRow("epsilon") << "mnuArepsilon"
                                 << "Text2";
    }

    void entryMenuItemsOnlyMoveTheFocus() {
        QFETCH(QString, action);
        QFETCH(QString, field);
        MainWindowFixture f;
        MainWindowControls &ui = f.ui();
        typeInputs(ui, "", "7", "");
        ui.Command2->setFocus();

        f.ui().menuItem(action)->trigger();

        QCOMPARE(QApplication::focusWidget()->objectName(), field);
        QCOMPARE(inputs(ui), (QStringList{"", "7", ""}));
    }

    void exitFromButtonAndMenu() {
        MainWindowFixture f;
        QTest::mouseClick(f.ui().Command1, Qt::LeftButton);
        f.ui().menuItem("mnuArSalir")->trigger();
        QCOMPARE(f.quitRequests, 2);
    }

    void helpAndAboutMenuItems() {
        MainWindowFixture f;
        f.ui().menuItem("mnuAyContenido")->trigger();
        f.ui().menuItem("mnuAyIndice")->trigger();
        f.ui().menuItem("mnuAyAcerca")->trigger();
        QTest::keyClick(&f.window, Qt::Key_F1);

        const QList<HelpRequest> &requests = f.helpViewer.requests();
        QCOMPARE(requests.size(), 3);
        QCOMPARE(requests[0].command, 3u);
        QCOMPARE(requests[1].command, 261u);
        QCOMPARE(requests[2].command, 3u);
        QCOMPARE(requests[1].window, &f.window);
        QCOMPARE(requests[1].helpFile, QByteArray("DIVORURADIDAR-5.hlp"));
        QCOMPARE(f.aboutRequests, 1);
    }

    void saveAndOpenMenuItems() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("gema"));
        MainWindowFixture f;
        QTest::mouseClick(f.ui().Command3, Qt::LeftButton);
        f.cuadro->answer(path);
        f.ui().menuItem("mnuArGuardar")->trigger();
        f.cuadro->answer(path);
        f.ui().menuItem("mnuArAbrir")->trigger();

        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("  IR=2.419  D=10  eps.=10"));
        QCOMPARE(f.ui().Text7->text(), QStringLiteral("  IR=2.419  D=10  eps.=10"));
        QVERIFY(f.ui().Text7->isVisible());
        QCOMPARE(f.ui().Text1->text(), QStringLiteral("2.419"));
    }

    // A screen reader reads the printed results from Picture1 until the
    // drawing is cleared.
    void resultsAreReadFromPicture1() {
        MainWindowFixture f;
        MainWindowControls &ui = f.ui();
        const auto description = [&ui] {
            return QAccessible::queryAccessibleInterface(ui.Picture1)
                ->text(QAccessible::Description);
        };
        QTest::mouseClick(ui.Command3, Qt::LeftButton);
        QTest::mouseClick(ui.Command2, Qt::LeftButton);
        QCOMPARE(description(), QStringLiteral("i = 34.93 º\nalfa = 40.71 º\nD = 10 mm.\n"
                                               "a = 5.377 mm.\nb = 2.311 mm.\n"
                                               "H = 5.918\nq = 1.614\nn = 4.303"));
        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        QCOMPARE(description(), QString());

        typeInputs(ui, "2.419", "10", "10");
        QTest::mouseClick(ui.Command2, Qt::LeftButton);
        typeInputs(ui, "2.419", "0", "10");
        QTest::mouseClick(ui.Command2, Qt::LeftButton);
        QCOMPARE(f.messages->messages(), QStringList{Messages::diameterTooSmall()});
        QCOMPARE(description(), QString());
    }

    // Clicks on CALCULAR during the animation reach the window once it is
    // over, as input held back does; they are dropped, not replayed, and
    // the next click computes again.
    void clicksDuringTheAnimationAreDropped() {
        HoldingPacer pacer;
        MainWindowFixture f(&pacer);
        pacer.button = f.ui().Command2;
        QTest::mouseClick(f.ui().Command3, Qt::LeftButton);
        QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
        const int pausesOfOne = pacer.pauses;
        QVERIFY(pausesOfOne >= 13 * 5);
        QTest::qWait(100);
        QCOMPARE(pacer.pauses, pausesOfOne);
        QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
        QCOMPARE(pacer.pauses, 2 * pausesOfOne);
    }

    // DIAMANTE leaves the focus on CALCULAR, where Enter computes; Enter in
    // a field presses no button.
    void enterComputesOnCalcularOnly() {
        MainWindowFixture f;
        QTest::mouseClick(f.ui().Command3, Qt::LeftButton);
        f.ui().Text1->setFocus();
        QTest::keyClick(f.ui().Text1, Qt::Key_Return);
        QVERIFY(isBlank(*f.ui().Picture1));
        QVERIFY(f.ui().Label5->text().isEmpty());

        QTest::mouseClick(f.ui().Command3, Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(f.ui().Label5->text(), QStringLiteral("2.419"));
        QVERIFY(!isBlank(*f.ui().Picture1));
    }
};

QTEST_MAIN(TestForm1Commands)
#include "tst_form1commands.moc"

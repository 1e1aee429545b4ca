#include "help/HelpCommands.h"
#include "help/HelpSettings.h"
#include "tests/support/RecordingHelpViewer.h"

#include <QTest>
#include <QWidget>

namespace {

using HelpCommandFunction = void (*)(QWidget *, HelpSettings &, HelpViewer &);

const QByteArray expectedFile = QByteArrayLiteral("DIVORURADIDAR-5.hlp");

}  // namespace

Q_DECLARE_METATYPE(HelpCommandFunction)

class TestHelpCommands : public QObject {
    Q_OBJECT

private slots:
    void request_data() {
        QTest::addColumn<HelpCommandFunction>("command");
        QTest::addColumn<quint32>("number");
        QTest::newRow("&Contenido") << &showHelpContents << quint32(3);
        QTest::newRow("&Indice: partial key without keyword") << &showHelpIndex << quint32(0x105);
    }

    // One command: the setting is set first, then the viewer is called once
    // for the main window with the bare file name, the command and data 0.
    void request() {
        QFETCH(HelpCommandFunction, command);
        QFETCH(quint32, number);
        QWidget mainWindow;
        HelpSettings settings;
        RecordingHelpViewer viewer;
        QVERIFY(settings.helpFile().isEmpty());

        command(&mainWindow, settings, viewer);

        QCOMPARE(settings.helpFile(), QString::fromLatin1(expectedFile));
        const HelpRequest expected{&mainWindow, expectedFile, number, 0};
        QCOMPARE(viewer.requests(), QList<HelpRequest>{expected});
    }

    // Both commands in a row pass the same name, without a folder, in the
    // order they were chosen.
    void bothCommandsShareTheFile() {
        QWidget mainWindow;
        HelpSettings settings;
        RecordingHelpViewer viewer;

        showHelpIndex(&mainWindow, settings, viewer);
        showHelpContents(&mainWindow, settings, viewer);

        const QList<HelpRequest> expected{{&mainWindow, expectedFile, 261, 0},
                                          {&mainWindow, expectedFile, 3, 0}};
        QCOMPARE(viewer.requests(), expected);
        for (const HelpRequest &request : viewer.requests()) {
            QVERIFY(!request.helpFile.contains('/'));
            QVERIFY(!request.helpFile.contains('\\'));
        }
    }

    // Whatever the setting held before, the command restores the program's
    // help file and passes that.
    void commandResetsAnEarlierName() {
        QWidget mainWindow;
        HelpSettings settings;
        settings.setHelpFile(QStringLiteral("OTRA.HLP"));
        RecordingHelpViewer viewer;

        showHelpContents(&mainWindow, settings, viewer);

        QCOMPARE(viewer.requests().constFirst().helpFile, expectedFile);
    }
};

QTEST_MAIN(TestHelpCommands)
#include "tst_helpcommands.moc"

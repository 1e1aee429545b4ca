#pragma once

#include "app/MainWindowCommands.h"
#include "drawing/NoWaitPacer.h"
#include "help/HelpSettings.h"
#include "tests/support/MainWindowControls.h"
#include "tests/support/RecordingHelpViewer.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScriptedCuadro.h"
#include "tests/support/ScriptedPrintDialog.h"
#include "windows/Form1.h"

#include <QTest>

// A main window with its commands, shown and active, whose message box, file
// and print dialogs and help viewer record what they are asked, and whose ray
// animation does not wait, unless another pacer is given.
struct MainWindowFixture {
    explicit MainWindowFixture(Pacer *animationPacer = nullptr) {
        auto sink = std::make_unique<RecordingMessageSink>();
        auto dialog = std::make_unique<ScriptedCuadro>();
        auto printing = std::make_unique<ScriptedPrintDialog>();
        messages = sink.get();
        cuadro = dialog.get();
        printDialog = printing.get();
        new MainWindowCommands(
            window, {std::move(sink), std::move(dialog), animationPacer ? animationPacer : &pacer,
                     &helpSettings, &helpViewer, std::move(printing)});
        QObject::connect(&window, &Form1::aboutRequested, [this] { ++aboutRequests; });
        QObject::connect(&window, &Form1::quitRequested, [this] { ++quitRequests; });
        window.show();
        window.activateWindow();
        // Focus checks need the active window; they fail if it never is.
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("The main window did not become active");
    }

    MainWindowControls &ui() { return controls; }

    NoWaitPacer pacer;
    HelpSettings helpSettings;
    RecordingHelpViewer helpViewer;
    Form1 window;
    MainWindowControls controls{window};
    RecordingMessageSink *messages = nullptr;  // owned by the window's commands
    ScriptedCuadro *cuadro = nullptr;
    ScriptedPrintDialog *printDialog = nullptr;
    int aboutRequests = 0;
    int quitRequests = 0;
};

// True when nothing is drawn on the canvas: every pixel has one colour.
inline bool isBlank(const CanvasWidget &canvas) {
    const QImage image = canvas.image();
    const QRgb background = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
                return false;
        }
    }
    return true;
}

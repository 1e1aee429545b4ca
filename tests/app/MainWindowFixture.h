#pragma once

#include "app/Form1Handlers.h"
#include "drawing/CanvasWidget.h"
#include "help/HelpSettings.h"
#include "tests/support/NoWaitPacer.h"
#include "tests/support/RecordingHelpViewer.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScriptedCuadro.h"
#include "ui_Form1.h"
#include "windows/Form1.h"

#include <QTest>

// A main window with its handlers, shown and active, whose message box, file
// dialog and help viewer record what they are asked, and whose ray animation
// does not wait.
struct MainWindowFixture {
    MainWindowFixture() {
        auto sink = std::make_unique<RecordingMessageSink>();
        auto dialog = std::make_unique<ScriptedCuadro>();
        messages = sink.get();
        cuadro = dialog.get();
        handlers = new Form1Handlers(
            window, {std::move(sink), std::move(dialog), &pacer, &helpSettings, &helpViewer,
                     [this] { ++aboutRequests; }, [this] { ++quitRequests; }});
        window.show();
        window.activateWindow();
        // Focus checks need the active window; they fail if it never is.
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("The main window did not become active");
    }

    Ui::Form1 &ui() { return window.ui(); }

    NoWaitPacer pacer;
    HelpSettings helpSettings;
    RecordingHelpViewer helpViewer;
    Form1 window;
    Form1Handlers *handlers = nullptr;  // owned by the window
    RecordingMessageSink *messages = nullptr;
    ScriptedCuadro *cuadro = nullptr;
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

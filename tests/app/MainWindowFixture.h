#pragma once

#include "app/Form1Handlers.h"
#include "app/HelpSettings.h"
#include "app/RecordingHelpViewer.h"
#include "app/RecordingMessageSink.h"
#include "app/ScriptedCuadro.h"
#include "drawing/CanvasWidget.h"
#include "drawing/Pacer.h"
#include "ui_Form1.h"
#include "windows/Form1.h"

#include <QTest>

#include <functional>

// Goes on at once, after calling onPause when a test wants to look at the
// window between two segments of the ray animation.
struct ObservingPacer final : Pacer {
    void pause() override {
        if (onPause)
            onPause();
    }

    std::function<void()> onPause;
};

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

    ObservingPacer pacer;
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

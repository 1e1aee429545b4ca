#pragma once

#include "drawing/MainCanvases.h"
#include "windows/CanvasWidget.h"

// Two blank canvases set up and sized like the main window's own, for
// drawing a computation without the window: to measure it, or to compare
// the window with.
struct WindowCanvases {
    WindowCanvases() {
        setUpPicture1(picture1);
        setUpPicture2(picture2);
        picture1.resize(picture1Size);
        picture2.resize(picture2Size);
    }

    CanvasWidget picture1;
    CanvasWidget picture2;
};

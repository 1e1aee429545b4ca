#pragma once

#include "calc/Constants.h"
#include "calc/CutSolver.h"
#include "calc/ReadOut.h"
#include "drawing/CanvasWidget.h"
#include "drawing/MainCanvases.h"
#include "drawing/NoWaitPacer.h"
#include "drawing/Profile.h"
#include "drawing/RayTrace.h"

// The two presets of the main window and the drawing of one whole
// computation on canvases set up like the window's, without pauses.

struct Preset {
    const char *name;
    double IR;
    double D;
    double epsDegrees;
};

inline constexpr Preset diamondPreset{"diamond", 2.419, 10, 10};
inline constexpr Preset quartzPreset{"quartz", 1.540, 10, 12};

struct PresetCanvases {
    CanvasWidget picture1;
    CanvasWidget picture2;

    PresetCanvases() {
        setUpPicture1(picture1);
        setUpPicture2(picture2);
        picture1.resize(picture1Size);
        picture2.resize(picture2Size);
    }
};

inline void drawComputation(PresetCanvases &canvases, const Preset &preset) {
    const CutResult cut = solveCut(preset.IR, preset.epsDegrees * pi / 180);
    NoWaitPacer noWait;
    canvases.picture1.Clear();
    canvases.picture2.Clear();
    drawProfile(canvases.picture1, canvases.picture2, cut);
    traceRays(canvases.picture2, cut, noWait);
    drawDimensions(canvases.picture1, cut);
    printResults(canvases.picture1, preset.D, cut);
}

#pragma once

#include "calc/ComputePlan.h"
#include "calc/Presets.h"
#include "drawing/CutDrawing.h"
#include "drawing/NoWaitPacer.h"
#include "windows/WindowCanvases.h"

// The two presets of the main window, named for file names and reports, and
// the drawing of one whole computation on canvases set up like the window's,
// without pauses.

struct NamedPreset {
    const char *name;
    const InputFields &fields;
};

inline const NamedPreset namedPresets[] = {{"diamond", Presets::diamond.fields},
                                           {"quartz", Presets::quartz.fields}};

inline ComputePlan planPreset(const InputFields &preset) {
    return planComputation(preset, QStringLiteral("."));
}

inline void drawComputation(WindowCanvases &canvases, const InputFields &preset) {
    const ComputePlan plan = planPreset(preset);
    NoWaitPacer noWait;
    canvases.picture1.Clear();
    canvases.picture2.Clear();
    drawCut(canvases.picture1, canvases.picture2, plan.D, plan.cut, noWait);
}

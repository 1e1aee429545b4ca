#include "app/ComputeCommand.h"

#include "app/MessageSink.h"
#include "calc/ResultLines.h"
#include "drawing/CutDrawing.h"
#include "drawing/ReadOut.h"
#include "windows/CanvasWidget.h"
#include "windows/Form1.h"

#include <QLocale>

ComputePlan computeCommand(Form1 &window, MessageSink &messages, Pacer &pacer) {
    window.showResultsHeading();
    window.clearDrawings();
    const InputFields fields{window.irText(), window.diameterText(), window.epsilonText()};
    const ComputePlan plan = planComputation(fields, QLocale().decimalPoint());
    if (plan.irAccepted)
        window.showIrEcho(plan.irEcho);
    if (plan.succeeded()) {
        CanvasWidget &results = window.resultsCanvas();
        drawCut(results, window.rayCanvas(), plan.D, plan.cut, pacer);
        // Screen readers read the results from the canvas's description.
        results.setAccessibleDescription(resultsText(plan.D, plan.cut));
        if (needsMirroring(plan.cut))
            window.rayCanvas().setAccessibleDescription(mirrorWarning().trimmed());
    } else {
        messages.showMessage(plan.message);
        if (!plan.irAccepted)
            window.hideIrEcho();
    }
    window.focusCalculate();
    return plan;
}

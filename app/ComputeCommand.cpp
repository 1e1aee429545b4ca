#include "app/ComputeCommand.h"

#include "app/MessageSink.h"
#include "calc/ComputePlan.h"
#include "drawing/CanvasWidget.h"
#include "drawing/CutDrawing.h"
#include "windows/Form1.h"

#include <QLocale>

void computeCommand(Form1 &window, MessageSink &messages, Pacer &pacer) {
    window.showResultsHeading();
    window.clearDrawings();
    const InputFields fields{window.irText(), window.diameterText(), window.epsilonText()};
    const ComputePlan plan = planComputation(fields, QLocale().decimalPoint());
    if (plan.irAccepted)
        window.showIrEcho(plan.irEcho);
    if (plan.succeeded()) {
        drawCut(window.resultsCanvas(), window.rayCanvas(), plan.D, plan.cut, pacer);
    } else {
        messages.showMessage(plan.message);
        if (!plan.irAccepted)
            window.hideIrEcho();
    }
    window.focusCalculate();
}

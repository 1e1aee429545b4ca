#include "app/ComputeCommand.h"

#include "app/MessageSink.h"
#include "calc/ComputePlan.h"
#include "calc/ReadOut.h"
#include "drawing/Profile.h"
#include "drawing/RayTrace.h"
#include "ui_Form1.h"
#include "windows/Form1.h"

#include <QLocale>

namespace {

void resetDisplay(Ui::Form1 &form) {
    form.Text7->hide();
    form.Label13->hide();
    form.Label11->show();
    form.Picture1->Clear();
    form.Picture2->Clear();
    form.Label4->setText(QString());
    form.Label5->setText(QString());
}

void showIrEcho(Ui::Form1 &form, const QString &echo) {
    form.Label4->setText(QStringLiteral("IR ="));
    form.Label5->setText(echo);
    form.Label4->show();
    form.Label5->show();
}

void drawCut(Ui::Form1 &form, const ComputePlan &plan, Pacer &pacer) {
    drawProfile(*form.Picture1, *form.Picture2, plan.cut);
    traceRays(*form.Picture2, plan.cut, pacer);
    drawDimensions(*form.Picture1, plan.cut);
    printResults(*form.Picture1, plan.D, plan.cut);
    // Screen readers read the results from the canvas's description.
    form.Picture1->setAccessibleDescription(resultsText(plan.D, plan.cut));
}

}  // namespace

void computeCommand(Ui::Form1 &form, MessageSink &messages, Pacer &pacer) {
    resetDisplay(form);
    const InputFields fields{[&form] { return form.Text1->text(); },
                             [&form] { return form.Text3->text(); },
                             [&form] { return form.Text2->text(); }};
    const ComputePlan plan = planComputation(fields, QLocale().decimalPoint());
    if (plan.irAccepted)
        showIrEcho(form, plan.irEcho);
    if (plan.succeeded()) {
        drawCut(form, plan, pacer);
    } else {
        messages.showMessage(plan.message);
        if (!plan.irAccepted)
            form.Label5->hide();
    }
    form.Command2->setFocus();
}

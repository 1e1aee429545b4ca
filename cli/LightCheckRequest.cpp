#include "cli/LightCheckRequest.h"

#include "cli/CommandLine.h"
#include "cli/HeadlessRunner.h"
#include "cli/TraceRun.h"
#include "stone/ComparisonCsv.h"
#include "stone/CutFigures.h"
#include "stone/RecipeText.h"

#include <QTextStream>

int checkLight(const CommandLine &command, QTextStream &out, QTextStream &err) {
    const ComputePlan plan = planComputation(command.inputs, QStringLiteral("."));
    if (!plan.succeeded()) {
        err << plan.message << '\n';
        return exitRejected;
    }
    const stone::Proportions computed = stone::proportionsOf(plan.cut);
    if (!stone::isCuttable(computed)) {
        err << stone::uncuttableMessage(plan.cut.IR) << '\n';
        return exitRejected;
    }
    const stone::StoneDesign design = designOf(command, plan);
    if (!stone::isEyeClear(design)) {
        err << stone::eyeTooCloseMessage(design) << '\n';
        return exitRejected;
    }
    const std::vector<stone::NamedCut> cuts = stone::cutsToCompare(computed, design.choices);
    const stone::ViewSettings settings = stone::viewSettingsOf(design, command.raysAcross);
    std::vector<stone::CutLight> traced;
    const bool whole = runTrace(
        stone::comparisonRays(cuts, settings, stone::Fire::traced),
        [&](const stone::TraceControl &control) {
            traced = stone::compareCuts(cuts, settings, control, stone::Fire::traced);
        },
        err);
    if (!whole) {
        err << traceStoppedMessage() << '\n';
        return exitRejected;
    }
    out << stone::comparisonCsv(traced, plan.cut.IR, design.material.dispersion,
                                command.csvDecimals());
    return exitDone;
}

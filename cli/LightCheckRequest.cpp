#include "cli/LightCheckRequest.h"

#include "cli/CommandLine.h"
#include "cli/HeadlessRunner.h"
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
    const std::vector<stone::NamedCut> cuts = stone::cutsToCompare(computed, command.choices);
    const stone::ViewSettings settings{plan.cut.IR, command.headDeg, command.raysAcross};
    out << stone::comparisonCsv(stone::compareCuts(cuts, settings), plan.cut.IR,
                                command.csvDecimals());
    return exitDone;
}

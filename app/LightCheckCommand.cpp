#include "app/LightCheckCommand.h"

#include "app/CommandLine.h"
#include "app/HeadlessRunner.h"
#include "stone/ComparisonCsv.h"
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
        err << stone::uncuttableMessage() << '\n';
        return exitRejected;
    }
    std::vector<stone::NamedCut> cuts{{QStringLiteral("Calculada"), computed, command.choices}};
    for (const stone::NamedCut &classic : stone::classicCuts())
        cuts.push_back(classic);
    const stone::ViewSettings settings{plan.cut.IR, command.headDeg, command.raysAcross};
    out << stone::comparisonCsv(stone::compareCuts(cuts, settings), plan.cut.IR);
    return exitDone;
}

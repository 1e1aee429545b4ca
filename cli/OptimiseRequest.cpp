#include "cli/OptimiseRequest.h"

#include "calc/Messages.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessRunner.h"
#include "cli/TraceRun.h"
#include "stone/ComparisonCsv.h"
#include "stone/CutSearch.h"
#include "stone/RecipeReport.h"
#include "stone/RecipeText.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cmath>

namespace {

QString progressLine(const stone::SearchProgress &progress) {
    return QCoreApplication::translate("OptimiseRequest", "Buscando la talla más brillante: %1 %")
        .arg(percentDone(progress.raysDone, progress.raysPlanned));
}

// The search's cut found, or why there is none.
struct Search {
    stone::SearchResult result;
    QString problem;
};

Search search(const CommandLine &command, const stone::StoneDesign &design, QTextStream &err) {
    const stone::SearchProblem problem{
        design, command.bounds, command.objective, command.raysAcross, {}, command.fireWeight};
    stone::SearchProgress progress;
    Search found;
    const bool whole = runInterruptibly(
        [&](const std::atomic_bool &stop) {
            found.result = stone::searchBrightestCut(problem, {&stop, &progress});
        },
        [&progress] { return progressLine(progress); }, err);
    if (!whole)
        found.problem = traceStoppedMessage();
    else if (!found.result.found)
        found.problem = stone::noCutWithinLimits();
    return found;
}

// Why the search cannot start from the computed cut, if it cannot.
QString rejection(const ComputePlan &plan, const stone::StoneDesign &design) {
    if (!plan.succeeded())
        return plan.message;
    if (!stone::isCuttable(stone::proportionsOf(plan.cut)))
        return stone::uncuttableMessage(plan.cut.IR);
    if (!stone::isEyeClear(design))
        return stone::eyeTooCloseMessage(design);
    return {};
}

}  // namespace

int optimiseCut(const CommandLine &command, QTextStream &out, QTextStream &err) {
    const ComputePlan plan = planComputation(command.inputs, QStringLiteral("."));
    const stone::StoneDesign design = designOf(command, plan);
    if (const QString problem = rejection(plan, design); !problem.isEmpty()) {
        err << problem << '\n';
        return exitRejected;
    }
    const Search found = search(command, design, err);
    if (!found.problem.isEmpty()) {
        err << found.problem << '\n';
        return exitRejected;
    }
    const stone::StoneDesign optimised = stone::designWithCut(design, found.result.best);
    const std::optional<StoneRecipe> made = makeStoneRecipe(optimised);
    if (command.recipe && !std::isfinite(made->carats)) {
        err << Messages::outOfScale() << '\n';
        return exitRejected;
    }
    out << stone::comparisonCsv({found.result.light}, plan.cut.IR, design.material.dispersion,
                                command.csvDecimals());
    if (command.recipe)
        out << '\n' << stone::recipeReport(optimised, *made);
    return exitDone;
}

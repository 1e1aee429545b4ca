#include "cli/RecipeRequest.h"

#include "calc/Csv.h"
#include "calc/Gems.h"
#include "calc/Messages.h"
#include "calc/NumberText.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessRunner.h"
#include "stone/Recipe.h"
#include "stone/RecipeReport.h"
#include "stone/RecipeText.h"
#include "stone/StoneRecipe.h"

#include <QStringList>
#include <QTextStream>
#include <cmath>

namespace {

using namespace stone;

}  // namespace

int writeRecipe(const CommandLine &command, QTextStream &out, QTextStream &err) {
    const ComputePlan plan = planComputation(command.inputs, QStringLiteral("."));
    if (!plan.succeeded()) {
        err << plan.message << '\n';
        return exitRejected;
    }
    const Proportions cut = proportionsOf(plan.cut);
    if (!isCuttable(cut)) {
        err << uncuttableMessage(plan.cut.IR) << '\n';
        return exitRejected;
    }
    const StoneDesign design = designOf(command, plan);
    const std::optional<StoneRecipe> made = makeStoneRecipe(design);
    if (command.csv) {
        out << recipeCsv(made->recipe, CsvWriter(command.csvDecimals()));
        return exitDone;
    }
    if (!std::isfinite(made->carats)) {
        err << Messages::outOfScale() << '\n';
        return exitRejected;
    }
    out << recipeReport(design, *made);
    return exitDone;
}

#include "cli/RecipeRequest.h"

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

// The design the command line asks for: the computed cut with the choices,
// gear and density given.
stone::StoneDesign designOf(const CommandLine &command, const ComputePlan &plan) {
    stone::StoneDesign design =
        stone::designOf(plan.cut, plan.D,
                        command.density > 0 ? stone::ownMaterial(plan.cut.IR, command.density)
                                            : stone::nearestGemMaterial(plan.cut.IR));
    design.choices = command.choices;
    design.gear = command.gear;
    return design;
}

}  // namespace

int writeRecipe(const CommandLine &command, QTextStream &out, QTextStream &err) {
    const ComputePlan plan = planComputation(command.inputs, QStringLiteral("."));
    if (!plan.succeeded()) {
        err << plan.message << '\n';
        return exitRejected;
    }
    const Proportions cut = proportionsOf(plan.cut);
    if (!isCuttable(cut)) {
        err << uncuttableMessage() << '\n';
        return exitRejected;
    }
    const StoneDesign design = designOf(command, plan);
    const std::optional<StoneRecipe> made = makeStoneRecipe(design);
    if (command.csv) {
        out << recipeCsv(made->recipe);
        return exitDone;
    }
    if (!std::isfinite(made->carats)) {
        err << Messages::outOfScale << '\n';
        return exitRejected;
    }
    out << recipeReport(design, *made);
    return exitDone;
}

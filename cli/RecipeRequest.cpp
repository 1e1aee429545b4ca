#include "cli/RecipeRequest.h"

#include "calc/Gems.h"
#include "calc/Messages.h"
#include "calc/NumberText.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessRunner.h"
#include "stone/Recipe.h"
#include "stone/RecipeFigures.h"
#include "stone/RecipeText.h"
#include "stone/StoneRecipe.h"

#include <QStringList>
#include <QTextStream>
#include <cmath>

namespace {

using namespace stone;

// RFC 4180; no field holds a comma, a quote or a line break.
QString recipeCsv(const Recipe &recipe) {
    QString csv = QStringLiteral("faceta,nombre,cantidad,angulo,acimut,indices,desvio\r\n");
    for (const RecipeStep &step : recipe.steps) {
        const RecipeRow r = recipeRow(step, recipe.gear);
        const QStringList fields{r.code,    r.name,     r.count,  r.angle,
                                 r.azimuth, r.settings, r.cheater};
        csv += fields.join(u',') + QStringLiteral("\r\n");
    }
    return csv;
}

// text without the spaces that pad its empty last columns.
QString withoutTrailingSpaces(QString text) {
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// The window's and the sheet's rows, in columns.
QString recipeTable(const Recipe &recipe) {
    QString text = QStringLiteral(
                       "Receta de tallado del brillante redondo, rueda de índice de %1 "
                       "dientes\n\n")
                       .arg(recipe.gear);
    const auto line = [](const QStringList &c) {
        return withoutTrailingSpaces(QStringLiteral("%1 %2 %3 %4 %5 %6")
                                         .arg(c[0].leftJustified(6), c[1].leftJustified(24),
                                              c[2].rightJustified(8), c[3].rightJustified(7),
                                              c[4].rightJustified(6), c[5])) +
               u'\n';
    };
    text += line(recipeColumnTitles());
    for (const QStringList &row : recipeRows(recipe))
        text += line(row);
    return text;
}

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

// The measures under the recipe, their numbers in a column.
QString figuresText(const QList<RecipeFigure> &figures) {
    QString text = QStringLiteral("\n");
    for (const RecipeFigure &f : figures)
        text += (f.label + u':').leftJustified(26) + f.number.rightJustified(7) + f.rest + u'\n';
    return text;
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
    const QString warning = leakageWarning(design);
    if (!warning.isEmpty())
        out << warning << "\n\n";
    out << recipeTable(made->recipe) << figuresText(recipeFigures(design, *made));
    return exitDone;
}

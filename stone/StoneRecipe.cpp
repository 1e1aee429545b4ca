#include "stone/StoneRecipe.h"

#include "calc/ResultLines.h"
#include "stone/RecipeText.h"

#include <QCoreApplication>

namespace {

// Text::tr() translates in this file's context, which lupdate reads from
// the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(StoneRecipe)
};

// An angle with its degree sign; blank stays blank.
QString degreesText(const QString &number) {
    return number.isEmpty() ? number : number + degreeSign();
}

// A tier's rows: the first with the tier and its first group of settings,
// then a line for each further group with only its cheater and settings.
QList<QStringList> rowsOf(const stone::RecipeStep &step, int gear) {
    const QList<stone::SettingsGroup> groups = stone::settingsByCheater(step, gear);
    const stone::SettingsGroup first = groups.value(0);
    QList<QStringList> rows{
        {stone::tierCode(step.tier), stone::tierName(step.tier), QString::number(step.count),
         degreesText(stone::twoDecimals(step.angleDeg)), degreesText(first.cheater),
         step.round ? Text::tr("redondo", "the girdle, ground round") : first.settings}};
    for (qsizetype g = 1; g < groups.size(); ++g)
        rows.append({{}, {}, {}, {}, degreesText(groups[g].cheater), groups[g].settings});
    return rows;
}

}  // namespace

std::optional<StoneRecipe> makeStoneRecipe(const stone::StoneDesign &design) {
    const stone::Proportions proportions = design.proportions();
    if (!stone::isCuttable(proportions))
        return std::nullopt;
    StoneRecipe made;
    made.stone = stone::buildBrilliant(proportions, design.choices);
    made.recipe = stone::cuttingRecipe(made.stone, design.gear);
    made.D = design.D;
    made.density = design.material.density;
    made.carats = stone::caratWeight(made.stone, design.D, made.density);
    return made;
}

QStringList recipeColumnTitles() {
    return {Text::tr("Faceta"),
            Text::tr("Nombre"),
            Text::tr("Cantidad"),
            Text::tr("Ángulo"),
            Text::tr("Desvío", "cheater"),
            Text::tr("Índices")};
}

QList<QStringList> recipeRows(const stone::Recipe &recipe) {
    QList<QStringList> rows;
    for (const stone::RecipeStep &step : recipe.steps)
        rows += rowsOf(step, recipe.gear);
    return rows;
}

#include "stone/StoneRecipe.h"

#include "calc/NumberText.h"
#include "stone/RecipeText.h"

namespace {

// An angle with its sign; blank stays blank.
QString degreesText(const QString &number) {
    return number.isEmpty() ? number : number + u'º';
}

QStringList rowOf(const stone::RecipeStep &step, int gear) {
    const stone::RecipeRow row = stone::recipeRow(step, gear);
    return {row.code,
            row.name,
            row.count,
            degreesText(row.angle),
            degreesText(row.cheater),
            step.round ? QStringLiteral("redondo") : row.settings};
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
    return {QStringLiteral("Faceta"), QStringLiteral("Nombre"), QStringLiteral("Cantidad"),
            QStringLiteral("Ángulo"), QStringLiteral("Desvío"), QStringLiteral("Índices")};
}

QList<QStringList> recipeRows(const stone::Recipe &recipe) {
    QList<QStringList> rows;
    for (const stone::RecipeStep &step : recipe.steps)
        rows.append(rowOf(step, recipe.gear));
    return rows;
}

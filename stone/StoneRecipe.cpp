#include "stone/StoneRecipe.h"

#include "calc/CutResult.h"
#include "calc/Gems.h"
#include "calc/NumberText.h"
#include "stone/RecipeText.h"

namespace {

// An angle with its degree sign; blank stays blank.
QString degreesText(const QString &number) {
    return number.isEmpty() ? number : number + u'º';
}

// A tier's rows: the first with the tier and its first group of settings,
// then a line for each further group with only its cheater and settings.
QList<QStringList> rowsOf(const stone::RecipeStep &step, int gear) {
    const QList<stone::SettingsGroup> groups = stone::settingsByCheater(step, gear);
    const stone::SettingsGroup first = groups.value(0);
    QList<QStringList> rows{
        {stone::tierCode(step.tier), stone::tierName(step.tier), QString::number(step.count),
         degreesText(stone::twoDecimals(step.angleDeg)), degreesText(first.cheater),
         step.round ? QStringLiteral("redondo") : first.settings}};
    for (qsizetype g = 1; g < groups.size(); ++g)
        rows.append({{}, {}, {}, {}, degreesText(groups[g].cheater), groups[g].settings});
    return rows;
}

// Two decimals, or the read-out's exponent form for a stone too large to be
// written out.
QString measureText(double value) {
    return value < 1e9 ? stone::twoDecimals(value) : plainNumberText(value, QStringLiteral("."));
}

}  // namespace

std::optional<StoneRecipe> makeStoneRecipe(const CutResult &cut, double D,
                                           const RecipeSettings &settings) {
    const stone::Proportions proportions = stone::proportionsOf(cut);
    if (!stone::isCuttable(proportions))
        return std::nullopt;
    StoneRecipe made;
    made.stone = stone::buildBrilliant(proportions, settings.choices);
    made.recipe = stone::cuttingRecipe(made.stone, settings.gear);
    made.D = D;
    made.density = settings.density.value_or(gemNearestIndex(cut.IR).density);
    made.carats = stone::caratWeight(made.stone, D, made.density);
    return made;
}

QStringList recipeColumnTitles() {
    return {QStringLiteral("Faceta"), QStringLiteral("Nombre"), QStringLiteral("Cantidad"),
            QStringLiteral("Ángulo"), QStringLiteral("Desvío"), QStringLiteral("Índices")};
}

QList<QStringList> recipeRows(const stone::Recipe &recipe) {
    QList<QStringList> rows;
    for (const stone::RecipeStep &step : recipe.steps)
        rows += rowsOf(step, recipe.gear);
    return rows;
}

QStringList recipeFigureLines(const StoneRecipe &r) {
    const auto height = [&r](const QString &name, double ratio) {
        return QStringLiteral("%1: %2 % de D, %3 mm")
            .arg(name, stone::twoDecimals(100 * ratio), measureText(ratio * r.D));
    };
    const double cubicMm = r.stone.volume * r.D * r.D * r.D;
    return {height(QStringLiteral("Altura de la corona"), r.stone.crownHeight),
            height(QStringLiteral("Profundidad del pabellón"), r.stone.pavilionDepth),
            height(QStringLiteral("Altura total"), r.stone.totalDepth),
            QStringLiteral("Volumen: %1 mm³").arg(measureText(cubicMm)),
            QStringLiteral("Peso estimado: %1 ct (densidad %2 g/cm³)")
                .arg(measureText(r.carats), QString::number(r.density))};
}

#include "drawing/StoneRecipe.h"

#include "calc/CutResult.h"
#include "calc/Gems.h"
#include "stone/RecipeText.h"

namespace {

QString degreesText(double angle) {
    return stone::twoDecimals(angle) + u'º';
}

QStringList rowOf(const stone::RecipeStep &step, int gear) {
    const bool onGear = !step.teeth.empty();
    const QString settings =
        step.round ? QStringLiteral("redondo") : stone::indexSettingsText(step, gear);
    return {stone::tierCode(step.tier),
            stone::tierName(step.tier),
            QString::number(step.count),
            degreesText(step.angleDeg),
            onGear ? degreesText(step.cheaterDeg) : QString(),
            settings};
}

}  // namespace

double usualDensity(double IR) {
    return gemNearestIndex(IR).density;
}

StoneRecipe makeStoneRecipe(const CutResult &cut, double D, const RecipeSettings &settings) {
    StoneRecipe made;
    made.stone = stone::buildBrilliant(stone::proportionsOf(cut), settings.choices);
    made.recipe = stone::cuttingRecipe(made.stone, settings.gear);
    made.D = D;
    made.density = settings.density.value_or(usualDensity(cut.IR));
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
        rows.append(rowOf(step, recipe.gear));
    return rows;
}

QStringList recipeFigureLines(const StoneRecipe &r) {
    const auto height = [&r](const QString &name, double ratio) {
        return QStringLiteral("%1: %2 % de D, %3 mm")
            .arg(name, stone::twoDecimals(100 * ratio), stone::twoDecimals(ratio * r.D));
    };
    const double cubicMm = r.stone.volume * r.D * r.D * r.D;
    return {height(QStringLiteral("Altura de la corona"), r.stone.crownHeight),
            height(QStringLiteral("Profundidad del pabellón"), r.stone.pavilionDepth),
            height(QStringLiteral("Altura total"), r.stone.totalDepth),
            QStringLiteral("Volumen: %1 mm³").arg(stone::twoDecimals(cubicMm)),
            QStringLiteral("Peso estimado: %1 ct (densidad %2 g/cm³)")
                .arg(stone::twoDecimals(r.carats), QString::number(r.density))};
}

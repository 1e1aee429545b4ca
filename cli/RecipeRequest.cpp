#include "cli/RecipeRequest.h"

#include "calc/Csv.h"
#include "calc/Gems.h"
#include "calc/Messages.h"
#include "calc/NumberText.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessRunner.h"
#include "stone/Recipe.h"
#include "stone/RecipeText.h"

#include <QStringList>
#include <QTextStream>
#include <cmath>

namespace {

using namespace stone;

// RFC 4180, or with decimal commas as csv writes them.
QString recipeCsv(const Recipe &recipe, const CsvWriter &csv) {
    QString text = csv.record(
        QStringLiteral("faceta,nombre,cantidad,angulo,acimut,indices,desvio").split(u','));
    for (const RecipeStep &step : recipe.steps) {
        const RecipeRow r = recipeRow(step, recipe.gear);
        text += csv.record({r.code, r.name, r.count, csv.decimalText(r.angle),
                            csv.decimalText(r.azimuth), r.settings, csv.decimalText(r.cheater)});
    }
    return text;
}

QString degreesOrBlank(const QString &number) {
    return number.isEmpty() || number == QLatin1String("0.00") ? QString() : number + u'º';
}

QString recipeTable(const Recipe &recipe) {
    QString text = QStringLiteral(
                       "Receta de tallado del brillante redondo, rueda de índice de %1 "
                       "dientes\n\n")
                       .arg(recipe.gear);
    const auto line = [](const QStringList &c) {
        return QStringLiteral("%1 %2 %3 %4 %5 %6")
                   .arg(c[0].leftJustified(6), c[1].leftJustified(24), c[2].rightJustified(8),
                        c[3].rightJustified(7), c[4].rightJustified(6), c[5])
                   .trimmed() +
               u'\n';
    };
    text += line({QStringLiteral("Faceta"), QStringLiteral("Nombre"), QStringLiteral("Cantidad"),
                  QStringLiteral("Ángulo"), QStringLiteral("Desvío"), QStringLiteral("Índices")});
    for (const RecipeStep &step : recipe.steps) {
        const RecipeRow r = recipeRow(step, recipe.gear);
        const QString settings = step.round ? QStringLiteral("redondo") : r.settings;
        text +=
            line({r.code, r.name, r.count, r.angle + u'º', degreesOrBlank(r.cheater), settings});
    }
    return text;
}

// The density asked for, or that of the gem with the nearest index.
struct Density {
    double value = 0;
    QString source;
};

Density densityFor(const CommandLine &command, double IR) {
    if (command.density > 0)
        return {command.density, QStringLiteral("la indicada con --densidad")};
    const Gem &gem = gemNearestIndex(IR);
    return {gem.density,
            QStringLiteral("de %1, la gema de la lista con el IR más cercano").arg(gem.name)};
}

// A measure of the stone: its label, its number and what follows the number.
struct Figure {
    QString label, number, rest;
};

// Two decimals, or the read-out's exponent form for a stone too large to be
// written out.
QString measureText(double value) {
    return value < 1e9 ? twoDecimals(value) : plainNumberText(value, QStringLiteral("."));
}

QString figuresText(const Brilliant &stone, double tableRatio, double D, const Density &density) {
    const auto percent = [](const QString &label, double ratio) {
        return Figure{label, twoDecimals(100 * ratio), QStringLiteral(" % de D")};
    };
    const QList<Figure> figures{
        percent(QStringLiteral("Mesa"), tableRatio),
        percent(QStringLiteral("Altura de la corona"), stone.crownHeight),
        percent(QStringLiteral("Filetín"), 2 * stone.girdleHalfHeight),
        percent(QStringLiteral("Profundidad del pabellón"), stone.pavilionDepth),
        percent(QStringLiteral("Altura total"), stone.totalDepth),
        {QStringLiteral("Volumen"), measureText(stone.volume * D * D * D), QStringLiteral(" mm³")},
        {QStringLiteral("Densidad"), QString::number(density.value),
         " g/cm³ (" + density.source + u')'},
        {QStringLiteral("Peso estimado"), measureText(caratWeight(stone, D, density.value)),
         QStringLiteral(" ct")},
    };
    QString text =
        QStringLiteral("\nDiámetro D = %1 mm\n").arg(plainNumberText(D, QStringLiteral(".")));
    for (const Figure &f : figures)
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
        err << uncuttableMessage(plan.cut.IR) << '\n';
        return exitRejected;
    }
    const Brilliant stone = buildBrilliant(cut, command.choices);
    const Recipe recipe = cuttingRecipe(stone, command.gear);
    if (command.csv) {
        out << recipeCsv(recipe, CsvWriter(command.csvDecimals()));
        return exitDone;
    }
    const Density density = densityFor(command, plan.cut.IR);
    if (!std::isfinite(caratWeight(stone, plan.D, density.value))) {
        err << Messages::outOfScale << '\n';
        return exitRejected;
    }
    out << recipeTable(recipe) << figuresText(stone, plan.cut.aRatio, plan.D, density);
    return exitDone;
}

#include "stone/RecipeReport.h"

#include "stone/RecipeFigures.h"
#include "stone/RecipeText.h"

#include <QCoreApplication>
#include <QStringList>

namespace stone {

namespace {

// text without the spaces that pad its empty last columns.
QString withoutTrailingSpaces(QString text) {
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// The window's and the sheet's rows, in columns.
QString recipeTable(const Recipe &recipe) {
    QString text = QCoreApplication::translate(
                       "RecipeReport",
                       "Receta de tallado del brillante redondo, rueda de índice de %1 dientes")
                       .arg(recipe.gear) +
                   QStringLiteral("\n\n");
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

// The measures under the recipe, their numbers in a column.
QString figuresText(const QList<RecipeFigure> &figures) {
    QString text = QStringLiteral("\n");
    for (const RecipeFigure &f : figures)
        text +=
            (f.label + u':').leftJustified(26) + f.number.rightJustified(7) + u' ' + f.rest + u'\n';
    return text;
}

}  // namespace

QString recipeReport(const StoneDesign &design, const StoneRecipe &made) {
    const QString warning = leakageWarning(design);
    return (warning.isEmpty() ? QString() : warning + QStringLiteral("\n\n")) +
           recipeTable(made.recipe) + figuresText(recipeFigures(design, made));
}

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

}  // namespace stone

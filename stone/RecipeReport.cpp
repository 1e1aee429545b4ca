#include "stone/RecipeReport.h"

#include "stone/RecipeFigures.h"
#include "stone/RecipeText.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <iterator>

namespace stone {

namespace {

// text without the spaces that pad its empty last columns.
QString withoutTrailingSpaces(QString text) {
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// How the table's columns stand: the codes, names and settings flush left,
// the numbers flush right, each column as wide as its widest text in the
// language shown. The angles keep two blanks from the counts, so that the
// two numbers do not read as one.
struct Column {
    bool flushRight;
    int blanksBefore;
};
constexpr Column columns[] = {{false, 0}, {false, 1}, {true, 1}, {true, 2}, {true, 1}, {false, 1}};

QList<qsizetype> columnWidths(const QList<QStringList> &table) {
    QList<qsizetype> widths(std::size(columns), 0);
    for (const QStringList &row : table) {
        for (qsizetype c = 0; c < widths.size(); ++c)
            widths[c] = std::max(widths[c], row.value(c).size());
    }
    return widths;
}

QString tableLine(const QStringList &row, const QList<qsizetype> &widths) {
    QString line;
    for (qsizetype c = 0; c < widths.size(); ++c) {
        const QString cell = row.value(c);
        line += QString(columns[c].blanksBefore, u' ');
        line +=
            columns[c].flushRight ? cell.rightJustified(widths[c]) : cell.leftJustified(widths[c]);
    }
    return withoutTrailingSpaces(line) + u'\n';
}

// The window's and the sheet's rows, in columns.
QString recipeTable(const Recipe &recipe) {
    QString text = QCoreApplication::translate(
                       "RecipeReport",
                       "Receta de tallado del brillante redondo, rueda de índice de %1 dientes")
                       .arg(recipe.gear) +
                   QStringLiteral("\n\n");
    const QList<QStringList> table = QList<QStringList>{recipeColumnTitles()} + recipeRows(recipe);
    const QList<qsizetype> widths = columnWidths(table);
    for (const QStringList &row : table)
        text += tableLine(row, widths);
    return text;
}

// The measures under the recipe: their labels in a column a blank wider than
// the widest, then their numbers flush right in a column of seven.
QString figuresText(const QList<RecipeFigure> &figures) {
    qsizetype labelWidth = 0;
    for (const RecipeFigure &f : figures)
        labelWidth = std::max(labelWidth, f.label.size() + 2);
    QString text = QStringLiteral("\n");
    for (const RecipeFigure &f : figures) {
        text += (f.label + u':').leftJustified(labelWidth) + f.number.rightJustified(7) + u' ' +
                f.rest + u'\n';
    }
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

#pragma once

#include "stone/StoneRecipe.h"

#include <QList>
#include <QString>

// The measures and weight of a stone made from a design, as the recipe
// window, the cut sheet and the command line show them under the recipe.
namespace stone {

// One measure: "Altura total", "59.18", "% de D (5.92 mm)".
struct RecipeFigure {
    QString label, number, rest;
};

// Its width, table, heights, volume, density with where it comes from, and
// estimated weight, top to bottom.
QList<RecipeFigure> recipeFigures(const StoneDesign &design, const StoneRecipe &made);

// "Altura total: 59.18 % de D (5.92 mm)".
QString figureLine(const RecipeFigure &figure);

// The mirroring warning of the read-out, for a cut whose pavilion lets light
// through; empty for one that reflects it.
QString leakageWarning(const StoneDesign &design);

}  // namespace stone

#pragma once

#include "calc/Csv.h"
#include "stone/StoneRecipe.h"

#include <QString>

// The cutting recipe of a design as plain text, the same on the terminal,
// on the clipboard and in a file: the leakage warning if any, the recipe's
// rows in columns, and the stone's measures and weight.
namespace stone {

QString recipeReport(const StoneDesign &design, const StoneRecipe &made);

// The recipe's rows alone as CSV, with the separators of csv: faceta, nombre,
// cantidad, angulo, acimut, indices, desvio.
QString recipeCsv(const Recipe &recipe, const CsvWriter &csv);

}  // namespace stone

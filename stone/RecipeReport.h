#pragma once

#include "stone/StoneRecipe.h"

#include <QString>

// The cutting recipe of a design as plain text, the same on the terminal,
// on the clipboard and in a file: the leakage warning if any, the recipe's
// rows in columns, and the stone's measures and weight.
namespace stone {

QString recipeReport(const StoneDesign &design, const StoneRecipe &made);

// The recipe's rows alone as CSV (RFC 4180): faceta, nombre, cantidad,
// angulo, acimut, indices, desvio.
QString recipeCsv(const Recipe &recipe);

}  // namespace stone

#pragma once

#include "stone/Recipe.h"

#include <QString>

// The texts of a recipe's rows, the same on the command line and on screen.
// Numbers have a period and two decimals.
namespace stone {

// "P1", "P2", "G", "C1", "C2", "C3", "T": the tier's short name in cutting order.
QString tierCode(Tier tier);
// The tier's name in Spanish: "Principales del pabellón", ...
QString tierName(Tier tier);
// "40.72": an angle or a length with two decimals.
QString twoDecimals(double value);
// The index settings as cutters write them: "96-12-24-36-48-60-72-84" on a
// 96 gear, zero-padded to the width of the gear's count; empty for the
// girdle and the table.
QString indexSettingsText(const RecipeStep &step, int gear);

// One row of the recipe as text. The girdle and the table stand on no tooth:
// their azimuth, settings and cheater are empty.
struct RecipeRow {
    QString code, name, count, angle, azimuth, settings, cheater;
};
RecipeRow recipeRow(const RecipeStep &step, int gear);

// Why a cut for this IR that is not isCuttable has no recipe, and which
// épsilons give one.
QString uncuttableMessage(double refractiveIndex);

}  // namespace stone

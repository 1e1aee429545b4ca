#pragma once

#include "stone/Recipe.h"

#include <QList>
#include <QString>

// The texts of a recipe's rows, the same on the command line and on screen.
// Numbers have a period and two decimals.
namespace stone {

// "40.72": an angle or a length with two decimals.
QString twoDecimals(double value);
// The index settings as cutters write them: "96-12-24-36-48-60-72-84" on a
// 96 gear, zero-padded to the width of the gear's count; empty for the
// girdle and the table.
QString indexSettingsText(const std::vector<IndexSetting> &settings, int gear);
// "+2.50", "-1.25": a cheater with its sign; empty when it rounds to 0.00.
QString signedCheaterText(double cheaterDeg);

// The settings of a tier that share one cheater, as written in a recipe's
// table: "-2.50" and "05-23-41-59".
struct SettingsGroup {
    QString cheater;
    QString settings;
};
// A tier's settings grouped by their cheater to two decimals, the groups in
// the order of their first setting; none for the girdle and the table.
QList<SettingsGroup> settingsByCheater(const RecipeStep &step, int gear);

// One row of the recipe's CSV. The girdle and the table stand on no tooth:
// their azimuth, settings and cheater are empty. The cheater lists one signed
// value per setting, in the settings' order, or one when all are the same.
struct RecipeRow {
    QString code, name, count, angle, azimuth, settings, cheater;
};
RecipeRow recipeRow(const RecipeStep &step, int gear);

// Why a cut for this IR that is not isCuttable has no recipe, and which
// épsilons give one.
QString uncuttableMessage(double refractiveIndex);

}  // namespace stone

#pragma once

#include "stone/Brilliant.h"
#include "stone/Recipe.h"
#include "stone/StoneDesign.h"

#include <QList>
#include <QStringList>
#include <optional>

// A computed cut made a round brilliant of width D (in mm): the stone, its
// recipe and its weight.
struct StoneRecipe {
    stone::Brilliant stone;
    stone::Recipe recipe;
    double D = 0;
    double density = 0;  // g/cm³
    double carats = 0;
};

// None when the cut makes no brilliant (see stone::isCuttable).
std::optional<StoneRecipe> makeStoneRecipe(const stone::StoneDesign &design);

// The recipe as a table of texts, the same in the window, on the sheet and
// on the command line: the column titles, then the tiers in cutting order.
// A tier whose settings need different cheaters takes a row for each: the
// first with the tier, each further one with only its cheater and settings.
QStringList recipeColumnTitles();
QList<QStringList> recipeRows(const stone::Recipe &recipe);

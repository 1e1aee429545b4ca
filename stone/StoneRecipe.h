#pragma once

#include "stone/Brilliant.h"
#include "stone/Recipe.h"

#include <QList>
#include <QStringList>
#include <optional>

struct CutResult;

// What the cutter chooses beyond the computed cut: the girdle and the
// lengths of stars and lower halves, the index gear, and the density that
// turns the volume into a weight.
struct RecipeSettings {
    stone::CutChoices choices;
    int gear = 96;
    std::optional<double> density;  // none: that of the common gem with the nearest IR
};

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
std::optional<StoneRecipe> makeStoneRecipe(const CutResult &cut, double D,
                                           const RecipeSettings &settings);

// The recipe as a table of texts, the same in the window, on the sheet and
// on the command line: the column titles, then the tiers in cutting order.
// A tier whose settings need different cheaters takes a row for each: the
// first with the tier, each further one with only its cheater and settings.
QStringList recipeColumnTitles();
QList<QStringList> recipeRows(const stone::Recipe &recipe);

// The stone's heights in % of D and in mm, its volume and weight, one line each.
QStringList recipeFigureLines(const StoneRecipe &recipe);

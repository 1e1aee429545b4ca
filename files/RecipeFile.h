#pragma once

#include "files/Cuadro.h"

#include <QString>

struct CutSheetContent;

// The cutting recipe of a design as a file, in the format that the name's
// extension gives: .txt (the recipe as the command line writes it, UTF-8),
// .csv (its rows, as --receta --csv writes them) or .pdf (the recipe's page
// of the cut sheet).

// The save dialog's file types, text first.
FileTypes recipeFileTypes();

// Writes the recipe of content's design under fileName, whole or not at all.
// Returns the message that says why it could not be written, an unknown
// extension included, or an empty string.
[[nodiscard]] QString writeRecipeFile(const QString &fileName, const CutSheetContent &content);

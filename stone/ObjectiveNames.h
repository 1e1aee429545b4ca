#pragma once

#include "stone/CutSearch.h"

#include <QStringList>
#include <optional>

// What the search for the brightest cut makes largest, as the command line's
// --objetivo names it and as the window's list says it: one list for both.
namespace stone {

// "mixto-cielo", "inclinado" and "inclinado-cos", the default first.
QStringList objectiveNames();
std::optional<SearchObjective> objectiveNamed(const QString &name);
QString objectiveName(SearchObjective objective);

// The objectives in the same order, as a window's list says them.
QStringList objectiveCaptions();
// The objective at that place of the lists.
SearchObjective objectiveAt(qsizetype place);

}  // namespace stone

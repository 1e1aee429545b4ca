#pragma once

#include "stone/CutSearch.h"

#include <QStringList>
#include <optional>

// What the search for the brightest cut makes largest, as --objetivo names it.

// "mixto-cielo", "inclinado" and "inclinado-cos", the default first.
QStringList objectiveNames();
std::optional<stone::SearchObjective> objectiveNamed(const QString &name);
QString objectiveName(stone::SearchObjective objective);

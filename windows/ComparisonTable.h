#pragma once

#include "stone/CutComparison.h"

#include <QTableWidget>
#include <vector>

// The comparison of cuts as the 3-D check and the search show it: a column
// of names in their curves' colours, then one of each figure, its best in
// bold.
namespace comparisonTable {

// The columns' titles, a word a line so that every column fits the window.
void setUpColumns(QTableWidget &table);

// One row a cut.
void fill(QTableWidget &table, const std::vector<stone::CutLight> &cuts);

}  // namespace comparisonTable

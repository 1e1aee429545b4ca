#pragma once

#include "app/OptimiserCommands.h"

// A search small enough for a test: a handful of cuts at a coarse grid.
inline SearchEffort smallSearch() {
    SearchEffort effort;
    effort.budget.coarseRaysAcross = 12;
    effort.budget.scanPoints = 6;
    effort.budget.simplexSearches = 1;
    effort.budget.simplexEvaluations = 8;
    effort.fineRaysAcross = 16;
    return effort;
}

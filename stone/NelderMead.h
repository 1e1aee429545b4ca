#pragma once

#include <functional>
#include <optional>
#include <vector>

// The downhill simplex method of Nelder and Mead: a minimum of a function
// found from its values alone, so that it needs no derivative and takes
// small jumps in stride. Given the same values it makes the same moves.
namespace stone {

// The function to minimise; nothing when the search is to stop.
using Objective = std::function<std::optional<double>(const std::vector<double> &point)>;

struct SimplexMinimum {
    std::vector<double> point;
    double value = 0;
    int evaluations = 0;
    bool stopped = false;  // the objective asked to stop
};

// From start, with a first simplex of start and start moved by steps[k] along
// each axis k, until every vertex lies within tolerance of the best along
// every axis, or once maxEvaluations values are spent (the last move may
// take up to one value per axis more).
SimplexMinimum nelderMead(const Objective &objective, const std::vector<double> &start,
                          const std::vector<double> &steps, int maxEvaluations, double tolerance);

}  // namespace stone

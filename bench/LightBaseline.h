#pragma once

#include <array>
#include <vector>

// The tracer of another checkout, built when CORVELUX_LIGHT_BASELINE names
// it (bench/CMakeLists.txt), to time and compare against in the same run.
namespace light_baseline {

// The figures of one view, in the order of LightRuns.h's columnsOf().
using Columns = std::array<double, 10>;

std::vector<Columns> faceUp(int raysAcross);
std::vector<Columns> comparison(int raysAcross);

}  // namespace light_baseline

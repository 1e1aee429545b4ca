#pragma once

#include <QString>

// The texts of the compute command's message box, translated when asked for.
namespace Messages {

QString title();

QString irTooSmall();
QString diameterTooSmall();
QString negativeCrown();
QString epsilonRange();

// No cut exists for an IR that the solver cannot match (more than three
// decimals, or too large). Three-decimal IRs below 500000 are matched; from
// about 566000 up a few are not (566005.357, 600030.647).
QString irUnmatched();
// A value or result too large to compute, draw or print.
QString outOfScale();

}  // namespace Messages

#pragma once

// The program's value of pi: 15 decimal digits, used for every conversion
// between degrees and radians so that results agree to the last digit.
inline constexpr double pi = 3.14159265358979;

// An angle in degrees, converted the way every result is printed: times 180,
// then divided by pi.
inline constexpr double degrees(double radians) {
    return radians * 180 / pi;
}

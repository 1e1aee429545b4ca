#pragma once

#include <QString>

// Number texts of the read-out. All of them show at most 15 significant
// digits without trailing zeros, switching to the exponent form (1E+20,
// 1E-05) for very large or very small magnitudes.

// The IR echo: "2.42", "10", "0.5", with the given decimal separator.
QString plainNumberText(double value, const QString &decimalSeparator);
// The same with the regional decimal separator of the user's locale.
QString plainNumberText(double value);

// Period as separator, no zero before it, a blank in front of non-negative
// values: " 5.60975101367188", " .25", "-.5".
QString signedNumberText(double value);

// The first six characters of signedNumberText: truncated, never rounded.
// An exponent form keeps its exponent, after the first digit of the
// mantissa: " 2E-06", "-1E-11", " 5E+16".
QString shortNumberText(double value);

// A number written as an item of a printed line: " 10 ", " 2.5 ", "-.5 ".
QString printedNumber(double value);

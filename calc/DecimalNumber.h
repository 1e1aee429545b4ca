#pragma once

#include <QStringView>

// A number written for a program rather than typed into a field: an optional
// sign, digits with at most one period (".5" and "5." included), then an
// optional exponent E[sign]digits, and nothing else: no blanks, no comma, no
// "nan" or "inf". Unlike a field, nothing is guessed: 2,419 is not 2.
struct DecimalNumber {
    enum class Reading {
        number,
        notANumber,
        outOfRange,  // too large for a double, or so close to 0 that it reads as 0
    };
    Reading reading = Reading::notANumber;
    double value = 0;
};

DecimalNumber readDecimalNumber(QStringView text);

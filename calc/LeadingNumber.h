#pragma once

#include <QString>

// Reads the number at the start of a field's text, whatever the user's
// regional settings: blanks, tabs and line feeds anywhere are dropped, then
// the longest prefix that forms a number is taken (optional sign, digits with
// at most one period, optional exponent E[sign]digits, or "&H"/"&O" followed
// by a hexadecimal or octal integer). Text without such a prefix reads as 0;
// an exponent beyond the double range reads as an infinity.
double leadingNumber(const QString &text);

#pragma once

#include "stone/DesignLimits.h"

#include <QString>
#include <QStringList>

// The limits of DesignLimits.h as the program's messages, fields and help
// write them.
namespace stone {

// "0 a 10".
QString limitNumbers(const ValueRange &range);
// "de 10 a 90", or "0 o de 10 a 100" where 0 is taken too.
QString rangeText(const ValueRange &range);
// "64, 72, 80, 96 o 120".
QString indexGearsText();
// "a, b o c": one of the words.
QString alternativesText(QStringList words);

}  // namespace stone

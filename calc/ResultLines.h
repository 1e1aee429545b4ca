#pragma once

#include "calc/CutResult.h"

#include <QList>
#include <QString>

// The results the read-out shows, one line each.
enum class Result { a, b, i, alfa, D, H, q, n };

struct ResultLine {
    Result result;
    QString text;  // label, number and unit, exactly as shown
};

// The eight lines for a stone of width D, in the order they are printed:
// a, b, i, alfa, D, H, q, n.
QList<ResultLine> resultLines(double D, const CutResult &cut);

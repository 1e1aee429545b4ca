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

// The name a result goes by in the read-out and on the drawings: "a",
// "alfa"...
QString resultSymbol(Result result);

// "IR", the refractive index's abbreviation, as the read-out's first line
// names it.
QString irSymbol();

// "º", the sign after an angle's degrees in the read-out, on the drawings and
// in the recipe.
QString degreeSign();

// The eight lines for a stone of width D, in the order they are printed:
// a, b, i, alfa, D, H, q, n.
QList<ResultLine> resultLines(double D, const CutResult &cut);

// A pavilion steeper than the critical angle lets light out through its
// facets: the cut then needs a mirrored pavilion or a larger épsilon, which
// the warning advises wherever the results are shown, indented as the
// read-out prints it.
bool needsMirroring(const CutResult &cut);
QString mirrorWarning();

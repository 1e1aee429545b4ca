#pragma once

#include <QList>
#include <QString>

// A faceting material, its usual refractive index, density and dispersion.
struct Gem {
    const char *sourceName;  // in Spanish, the text its translations are found by
    QString ir;              // three decimals, as it would be typed in the IR field
    double density;          // specific gravity, in g/cm³
    double dispersion;       // n(430.8 nm) − n(686.7 nm), the B–G value

    QString name() const;  // in the language of the program
};

// The common faceting materials of the gem chart and the help's gem table,
// from the highest index down.
const QList<Gem> &commonGems();

// The place in commonGems() of the gem whose index is nearest to IR, the
// distance counted in the thousandths that the list's indices are written
// in, so that a tie is a tie: of two gems as near, the one the list shows
// first (the higher index).
qsizetype gemNearestIndex(double IR);

// The place in commonGems() of the gem of that Spanish name, or -1.
qsizetype gemNamed(QStringView name);

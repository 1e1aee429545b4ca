#pragma once

#include <QList>
#include <QString>

// A faceting material, its usual refractive index and density.
struct Gem {
    QString name;    // in Spanish
    QString ir;      // three decimals, as it would be typed in the IR field
    double density;  // specific gravity, in g/cm³
};

// The common faceting materials of the gem chart and the help's gem table,
// from the highest index down.
const QList<Gem> &commonGems();

// The gem of the list whose index is nearest to IR; the first of those as near.
const Gem &gemNearestIndex(double IR);

#pragma once

#include <QList>
#include <QString>

// A faceting material and its usual refractive index.
struct Gem {
    QString name;  // in Spanish
    QString ir;    // three decimals, as it would be typed in the IR field
};

// The common faceting materials of the gem chart and the help's gem table,
// from the highest index down.
const QList<Gem> &commonGems();

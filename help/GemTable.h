#pragma once

#include "help/HelpEntries.h"

#include <QList>
#include <QString>
#include <QUrl>

// The common gems as an HTML table: each material, its IR, and the angles
// and proportions the core computes for it at épsilon 0, worked out afresh on
// every call. Each row carries an anchor of its own.
QString gemTableHtml();

// One index entry per material, leading to its row of the table on page.
QList<HelpEntry> gemIndexEntries(const QUrl &page);

#pragma once

#include "calc/AngleChart.h"

#include <QList>
#include <QString>

enum class GemColumn { omitted, first };

// An angle chart as CSV (RFC 4180): a header row, then one record per row,
// every record ended by CR LF. Columns: [gema,] IR, epsilon, the angles i and
// alfa in degrees, the ratios a/D, b/D, q/D, n/D and H/D, then aviso. Numbers
// have at most 15 significant digits and a period; a row that could not be
// computed leaves them empty and carries its message in aviso.
QString chartCsv(const QList<ChartRow> &rows, GemColumn gemColumn);

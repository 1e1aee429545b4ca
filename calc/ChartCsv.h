#pragma once

#include "calc/AngleChart.h"
#include "calc/Csv.h"

#include <QList>
#include <QString>

enum class GemColumn { omitted, first };

// An angle chart as CSV: a header row, then one record per row, every record
// ended by CR LF. Columns: [gema,] IR, epsilon, the angles i and alfa in
// degrees, the ratios a/D, b/D, q/D, n/D and H/D, espejar ("sí" when the
// pavilion needs mirroring, else "no"), then aviso. Numbers have at most 15
// significant digits; a row that could not be computed leaves them and
// espejar empty and carries its message in aviso.
QString chartCsv(const QList<ChartRow> &rows, GemColumn gemColumn,
                 CsvDecimals decimals = CsvDecimals::point);

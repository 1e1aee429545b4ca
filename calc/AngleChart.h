#pragma once

#include "calc/ComputePlan.h"

#include <QList>
#include <QString>
#include <QStringList>

// One row of an angle chart: a stone of width D = 1 computed exactly as
// "CALCULAR" computes the fields IR, "1" and épsilon, with the same checks,
// in the same order, and the same messages.
struct ChartRow {
    QString gem;      // the material; empty in a chart by index
    QString ir;       // the IR text, three decimals
    QString epsilon;  // the épsilon text, in degrees
    ComputePlan plan;
};

inline constexpr int maxChartRows = 10000;

// Why a chart by index cannot be made.
namespace ChartMessages {
QString stepNotPositive();
QString stepNotThousandths();
QString reversed();
QString tooManyRows();
}  // namespace ChartMessages

// The indices of a chart from `from` to `to`, both rounded to three
// decimals, in steps of `step`, a whole number of thousandths; or, when there
// is no such chart, the message why.
struct IndexSeries {
    QStringList irs;
    QString problem;
};
IndexSeries indexSeries(double from, double to, double step);

// The numbers of a computed row, in the chart's order: the angles i and alfa
// in degrees, then a/D, b/D, q/D, n/D and H/D.
inline constexpr int chartAngleCount = 2;
inline constexpr int chartValueCount = 7;
QList<double> chartValues(const CutResult &cut);

// The rows for the given indices, or for the common gems, at one épsilon.
QList<ChartRow> indexChart(const QStringList &irs, const QString &epsilon);
QList<ChartRow> gemChart(const QString &epsilon);

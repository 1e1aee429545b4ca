#include "calc/AngleChart.h"

#include "calc/Constants.h"
#include "calc/Gems.h"

#include <cmath>

namespace {

// (to - from) / step misses a whole number of steps by a few units in the
// last place: 2.999 / 0.001 gives 2998.9999999999995.
constexpr double kStepSlack = 1e-9;

ChartRow computedRow(const QString &gem, const QString &ir, const QString &epsilon) {
    return {gem, ir, epsilon,
            planComputation({ir, QStringLiteral("1"), epsilon}, QStringLiteral("."))};
}

}  // namespace

IndexSeries indexSeries(double from, double to, double step) {
    if (!(step > 0))
        return {{}, ChartMessages::stepNotPositive};
    if (to < from)
        return {{}, ChartMessages::reversed};
    const double wholeSteps = std::floor((to - from) / step + kStepSlack);
    if (!(wholeSteps < maxChartRows))
        return {{}, ChartMessages::tooManyRows};

    IndexSeries series;
    const int rows = static_cast<int>(wholeSteps) + 1;
    series.irs.reserve(rows);
    // Each index from its own step number, so that rounding errors of the
    // step do not pile up along the chart.
    for (int k = 0; k < rows; ++k)
        series.irs.append(QString::number(from + k * step, 'f', 3));
    return series;
}

QList<double> chartValues(const CutResult &cut) {
    return {degrees(cut.i), degrees(cut.alfa),      cut.aRatio, cut.bRatio, cut.qRatio,
            cut.nRatio,     cut.nRatio + cut.qRatio};
}

QList<ChartRow> indexChart(const QStringList &irs, const QString &epsilon) {
    QList<ChartRow> rows;
    rows.reserve(irs.size());
    for (const QString &ir : irs)
        rows.append(computedRow(QString(), ir, epsilon));
    return rows;
}

QList<ChartRow> gemChart(const QString &epsilon) {
    QList<ChartRow> rows;
    rows.reserve(commonGems().size());
    for (const Gem &gem : commonGems())
        rows.append(computedRow(gem.name, gem.ir, epsilon));
    return rows;
}

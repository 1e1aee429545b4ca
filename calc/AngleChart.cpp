#include "calc/AngleChart.h"

#include "calc/Constants.h"
#include "calc/Gems.h"

#include <QCoreApplication>
#include <cmath>

namespace {

// The chart's indices have three decimals, so it counts in thousandths:
// whole numbers, which a double holds exactly up to 2^53, where subtracting
// decimals such as 23000.010 - 23000 would miss a step by a few units in the
// last place.
constexpr double thousandths(double value) {
    return value * 1000;
}

// A step read from decimals, such as 0.003, is a whole number of
// thousandths to within the error of that reading.
bool isWholeThousandths(double step) {
    const double whole = std::round(thousandths(step));
    return whole >= 1 && std::abs(thousandths(step) - whole) <= whole * 1e-9;
}

ChartRow computedRow(const QString &gem, const QString &ir, const QString &epsilon) {
    return {gem, ir, epsilon,
            planComputation({ir, QStringLiteral("1"), epsilon}, QStringLiteral("."))};
}

}  // namespace

namespace ChartMessages {

QString stepNotPositive() {
    return QCoreApplication::translate("ChartMessages", "PASO debe ser mayor que 0.");
}

QString stepNotThousandths() {
    return QCoreApplication::translate(
        "ChartMessages",
        "PASO debe ser 0.001 o un múltiplo de 0.001: los IR tienen tres decimales.");
}

QString reversed() {
    return QCoreApplication::translate("ChartMessages", "HASTA debe ser mayor o igual que DESDE.");
}

QString tooManyRows() {
    return QCoreApplication::translate("ChartMessages",
                                       "Más de %1 filas: aumente PASO o acerque DESDE y HASTA.")
        .arg(maxChartRows);
}

}  // namespace ChartMessages

IndexSeries indexSeries(double from, double to, double step) {
    if (!(step > 0))
        return {{}, ChartMessages::stepNotPositive()};
    if (!isWholeThousandths(step))
        return {{}, ChartMessages::stepNotThousandths()};
    if (to < from)
        return {{}, ChartMessages::reversed()};
    const double first = std::round(thousandths(from));
    const double span = std::round(thousandths(to)) - first;
    const double stride = std::round(thousandths(step));
    const double wholeSteps = (span - std::fmod(span, stride)) / stride;
    if (!(wholeSteps < maxChartRows))
        return {{}, ChartMessages::tooManyRows()};

    IndexSeries series;
    const int rows = static_cast<int>(wholeSteps) + 1;
    series.irs.reserve(rows);
    for (int k = 0; k < rows; ++k)
        series.irs.append(QString::number((first + k * stride) / 1000, 'f', 3));
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
        rows.append(computedRow(gem.name(), gem.ir, epsilon));
    return rows;
}

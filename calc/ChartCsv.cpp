#include "calc/ChartCsv.h"

#include "calc/Csv.h"
#include "calc/LeadingNumber.h"
#include "calc/ResultLines.h"

#include <QStringList>

namespace {

// The row's numbers, espejar and aviso: none of the first two, and the
// message, when the row could not be computed.
QStringList resultFields(const ChartRow &row, const CsvWriter &csv) {
    if (!row.plan.succeeded())
        return QStringList(chartValueCount + 1, QString()) << row.plan.message;
    QStringList fields;
    for (const double value : chartValues(row.plan.cut))
        fields.append(csv.number(value));
    // Like the column names, a flag for scripts: the same in every language.
    fields.append(needsMirroring(row.plan.cut) ? QStringLiteral("sí") : QStringLiteral("no"));
    return fields << QString();
}

}  // namespace

QString chartCsv(const QList<ChartRow> &rows, GemColumn gemColumn, CsvDecimals decimals) {
    const CsvWriter csv(decimals);
    const bool withGem = gemColumn == GemColumn::first;
    // The column names are the same in every language: scripts read them.
    QStringList header{QStringLiteral("IR"),      QStringLiteral("epsilon"), QStringLiteral("i"),
                       QStringLiteral("alfa"),    QStringLiteral("a/D"),     QStringLiteral("b/D"),
                       QStringLiteral("q/D"),     QStringLiteral("n/D"),     QStringLiteral("H/D"),
                       QStringLiteral("espejar"), QStringLiteral("aviso")};
    if (withGem)
        header.prepend(QStringLiteral("gema"));

    QString text = csv.record(header);
    for (const ChartRow &row : rows) {
        QStringList fields{csv.decimalText(row.ir), csv.number(leadingNumber(row.epsilon))};
        if (withGem)
            fields.prepend(row.gem);
        text += csv.record(fields + resultFields(row, csv));
    }
    return text;
}

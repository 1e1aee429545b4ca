#include "calc/ChartCsv.h"

#include "calc/Csv.h"
#include "calc/LeadingNumber.h"
#include "calc/NumberText.h"

#include <QStringList>

namespace {

QString number(double value) {
    return plainNumberText(value, QStringLiteral("."));
}

// The row's numbers and aviso: no numbers and the message when the row could
// not be computed.
QStringList resultFields(const ChartRow &row) {
    if (!row.plan.succeeded())
        return QStringList(chartValueCount, QString()) << row.plan.message;
    QStringList fields;
    for (const double value : chartValues(row.plan.cut))
        fields.append(number(value));
    return fields << QString();
}

}  // namespace

QString chartCsv(const QList<ChartRow> &rows, GemColumn gemColumn) {
    const bool withGem = gemColumn == GemColumn::first;
    QStringList header{QStringLiteral("IR"),   QStringLiteral("epsilon"), QStringLiteral("i"),
                       QStringLiteral("alfa"), QStringLiteral("a/D"),     QStringLiteral("b/D"),
                       QStringLiteral("q/D"),  QStringLiteral("n/D"),     QStringLiteral("H/D"),
                       QStringLiteral("aviso")};
    if (withGem)
        header.prepend(QStringLiteral("gema"));

    QString csv = csvRecord(header);
    for (const ChartRow &row : rows) {
        QStringList fields{row.ir, number(leadingNumber(row.epsilon))};
        if (withGem)
            fields.prepend(row.gem);
        csv += csvRecord(fields + resultFields(row));
    }
    return csv;
}

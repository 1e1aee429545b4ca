#include "calc/ChartCsv.h"

#include "calc/LeadingNumber.h"
#include "calc/NumberText.h"

#include <QStringList>
#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString number(double value) {
    return plainNumberText(value, QStringLiteral("."));
}

// A field within double quotes, its quotes doubled, when it holds a comma, a
// quote or a line break.
QString csvField(const QString &text) {
    const auto special = [](QChar c) { return c == u',' || c == u'"' || c == u'\r' || c == u'\n'; };
    if (std::none_of(text.begin(), text.end(), special))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
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

QString record(const QStringList &fields) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(csvField(field));
    return quoted.join(u',') + kCrLf;
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

    QString csv = record(header);
    for (const ChartRow &row : rows) {
        QStringList fields{row.ir, number(leadingNumber(row.epsilon))};
        if (withGem)
            fields.prepend(row.gem);
        csv += record(fields + resultFields(row));
    }
    return csv;
}

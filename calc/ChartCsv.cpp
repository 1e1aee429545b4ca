#include "calc/ChartCsv.h"

#include "calc/LeadingNumber.h"
#include "calc/NumberText.h"
#include "calc/ResultLines.h"

#include <QStringList>
#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The separators of one kind of CSV.
class CsvWriter {
public:
    explicit CsvWriter(CsvDecimals decimals)
        : m_decimalPoint(decimals == CsvDecimals::comma ? u',' : u'.'),
          m_separator(decimals == CsvDecimals::comma ? u';' : u',') {}

    QString number(double value) const { return plainNumberText(value, m_decimalPoint); }

    // An index text such as "1.540" with this CSV's decimal separator.
    QString decimalText(QString text) const { return text.replace(u'.', m_decimalPoint); }

    QString record(const QStringList &fields) const {
        QStringList quoted;
        quoted.reserve(fields.size());
        for (const QString &field : fields)
            quoted.append(csvField(field));
        return quoted.join(m_separator) + kCrLf;
    }

private:
    // A field within double quotes, its quotes doubled, when it holds the
    // separator, a quote or a line break.
    QString csvField(const QString &text) const {
        const auto special = [this](QChar c) {
            return c == m_separator || c == u'"' || c == u'\r' || c == u'\n';
        };
        if (std::none_of(text.begin(), text.end(), special))
            return text;
        QString quoted = text;
        quoted.replace(u'"', QStringLiteral("\"\""));
        return u'"' + quoted + u'"';
    }

    QString m_decimalPoint;
    QChar m_separator;
};

// The row's numbers, espejar and aviso: none of the first two, and the
// message, when the row could not be computed.
QStringList resultFields(const ChartRow &row, const CsvWriter &csv) {
    if (!row.plan.succeeded())
        return QStringList(chartValueCount + 1, QString()) << row.plan.message;
    QStringList fields;
    for (const double value : chartValues(row.plan.cut))
        fields.append(csv.number(value));
    fields.append(needsMirroring(row.plan.cut) ? QStringLiteral("sí") : QStringLiteral("no"));
    return fields << QString();
}

}  // namespace

QString chartCsv(const QList<ChartRow> &rows, GemColumn gemColumn, CsvDecimals decimals) {
    const CsvWriter csv(decimals);
    const bool withGem = gemColumn == GemColumn::first;
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

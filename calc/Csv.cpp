#include "calc/Csv.h"

#include "calc/NumberText.h"

#include <algorithm>

CsvWriter::CsvWriter(CsvDecimals decimals)
    : m_decimalPoint(decimals == CsvDecimals::comma ? u',' : u'.'),
      m_separator(decimals == CsvDecimals::comma ? u';' : u',') {}

QString CsvWriter::number(double value) const {
    return plainNumberText(value, m_decimalPoint);
}

QString CsvWriter::decimalText(QString text) const {
    return text.replace(u'.', m_decimalPoint);
}

QString CsvWriter::record(const QStringList &fields) const {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(csvField(field));
    return quoted.join(m_separator) + QStringLiteral("\r\n");
}

QString CsvWriter::csvField(const QString &text) const {
    const auto special = [this](QChar c) {
        return c == m_separator || c == u'"' || c == u'\r' || c == u'\n';
    };
    if (std::none_of(text.begin(), text.end(), special))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

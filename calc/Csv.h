#pragma once

#include <QString>
#include <QStringList>

// How numbers and fields are written: RFC 4180 with decimal periods, or, as a
// spreadsheet set to Spanish opens it directly, decimal commas with the
// fields separated by ";".
enum class CsvDecimals { point, comma };

// The separators of one kind of CSV.
class CsvWriter {
public:
    explicit CsvWriter(CsvDecimals decimals = CsvDecimals::point);

    // At most 15 significant digits.
    QString number(double value) const;

    // An index text such as "1.540" with this CSV's decimal separator.
    QString decimalText(QString text) const;

    // One record ended by CR LF: each field within double quotes, its quotes
    // doubled, when it holds the separator, a quote or a line break.
    QString record(const QStringList &fields) const;

private:
    QString csvField(const QString &text) const;

    QString m_decimalPoint;
    QChar m_separator;
};

#include "calc/Csv.h"

#include <algorithm>

namespace {

QString csvField(const QString &text) {
    const auto special = [](QChar c) { return c == u',' || c == u'"' || c == u'\r' || c == u'\n'; };
    if (std::none_of(text.begin(), text.end(), special))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

}  // namespace

QString csvRecord(const QStringList &fields) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(csvField(field));
    return quoted.join(u',') + QStringLiteral("\r\n");
}

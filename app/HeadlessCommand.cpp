#include "app/HeadlessCommand.h"

#include <algorithm>
#include <cmath>

namespace {

using Kind = HeadlessCommand::Kind;

const QString kEpsilonOption = QStringLiteral("--epsilon");

bool isNumber(const QString &text) {
    bool ok = false;
    const double value = text.toDouble(&ok);  // the C locale: period only
    return ok && std::isfinite(value);
}

HeadlessCommand command(Kind kind) {
    HeadlessCommand parsed;
    parsed.kind = kind;
    return parsed;
}

HeadlessCommand calculation(const QStringList &values) {
    if (values.size() != 3)
        return command(Kind::wrongUsage);
    HeadlessCommand parsed = command(Kind::calculate);
    parsed.inputs = {values[0], values[1], values[2]};
    return parsed;
}

// A chart command: an optional "--epsilon E" first, then its numbers.
HeadlessCommand chart(Kind kind, QStringList values) {
    HeadlessCommand parsed = command(kind);
    if (!values.isEmpty() && values.first() == kEpsilonOption) {
        if (values.size() < 2)
            return command(Kind::wrongUsage);
        parsed.epsilon = values[1];
        values.remove(0, 2);
    }
    const qsizetype numbers = kind == Kind::indexChart ? 3 : 0;
    if (values.size() != numbers || !isNumber(parsed.epsilon) ||
        !std::all_of(values.cbegin(), values.cend(), isNumber))
        return command(Kind::wrongUsage);
    if (kind == Kind::indexChart) {
        parsed.from = values[0].toDouble();
        parsed.to = values[1].toDouble();
        parsed.step = values[2].toDouble();
    }
    return parsed;
}

}  // namespace

HeadlessCommand parseCommandLine(const QStringList &arguments) {
    if (arguments.isEmpty())
        return command(Kind::openWindows);
    const QString &name = arguments.first();
    const QStringList values = arguments.mid(1);
    if (name == QLatin1String("--calcular"))
        return calculation(values);
    if (name == QLatin1String("--tabla"))
        return chart(Kind::indexChart, values);
    if (name == QLatin1String("--gemas"))
        return chart(Kind::gemChart, values);
    return command(Kind::wrongUsage);
}

#include "stone/LimitText.h"

#include <QCoreApplication>

namespace stone {

namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("LimitText", text);
}

}  // namespace

QString limitNumbers(const ValueRange &range) {
    return tr("%1 a %2").arg(QString::number(range.low), QString::number(range.high));
}

QString rangeText(const ValueRange &range) {
    const QString from = tr("de %1").arg(limitNumbers(range));
    return range.orZero ? tr("0 o %1").arg(from) : from;
}

QString indexGearsText() {
    QStringList gears;
    for (const int teeth : indexGears())
        gears.append(QString::number(teeth));
    return alternativesText(gears);
}

QString alternativesText(QStringList words) {
    const QString last = words.takeLast();
    return tr("%1 o %2").arg(words.join(QStringLiteral(", ")), last);
}

}  // namespace stone

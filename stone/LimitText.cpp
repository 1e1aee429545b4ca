#include "stone/LimitText.h"

#include <QCoreApplication>

namespace stone {

namespace {

// The context of this file's texts, under a name that lupdate sees too.
struct LimitText {
    Q_DECLARE_TR_FUNCTIONS(LimitText)
};

}  // namespace

QString limitNumbers(const ValueRange &range) {
    return LimitText::tr("%1 a %2").arg(QString::number(range.low), QString::number(range.high));
}

QString rangeText(const ValueRange &range) {
    const QString from = LimitText::tr("de %1").arg(limitNumbers(range));
    return range.orZero ? LimitText::tr("0 o %1").arg(from) : from;
}

QString indexGearsText() {
    QStringList gears;
    for (const int teeth : indexGears())
        gears.append(QString::number(teeth));
    return alternativesText(gears);
}

QString alternativesText(QStringList words) {
    const QString last = words.takeLast();
    return LimitText::tr("%1 o %2").arg(words.join(QStringLiteral(", ")), last);
}

}  // namespace stone

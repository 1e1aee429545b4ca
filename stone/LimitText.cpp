#include "stone/LimitText.h"

#include <QCoreApplication>

namespace stone {

namespace {

// Text::tr() translates in this file's context, which lupdate reads from
// the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LimitText)
};

}  // namespace

QString limitNumbers(const ValueRange &range) {
    return Text::tr("%1 a %2").arg(QString::number(range.low), QString::number(range.high));
}

QString rangeText(const ValueRange &range) {
    const QString from = Text::tr("de %1").arg(limitNumbers(range));
    return range.orZero ? Text::tr("0 o %1").arg(from) : from;
}

QString indexGearsText() {
    QStringList gears;
    for (const int teeth : indexGears())
        gears.append(QString::number(teeth));
    return alternativesText(gears);
}

QString alternativesText(QStringList words) {
    const QString last = words.takeLast();
    return Text::tr("%1 o %2").arg(words.join(QStringLiteral(", ")), last);
}

}  // namespace stone

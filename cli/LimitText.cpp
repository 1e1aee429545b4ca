#include "cli/LimitText.h"

#include <QCoreApplication>

QString rangeText(const stone::ValueRange &range) {
    const QString from = QCoreApplication::translate("CommandLine", "de %1 a %2")
                             .arg(QString::number(range.low), QString::number(range.high));
    return range.orZero ? QCoreApplication::translate("CommandLine", "0 o %1").arg(from) : from;
}

QString indexGearsText() {
    QStringList gears;
    for (const int teeth : stone::indexGears())
        gears.append(QString::number(teeth));
    return alternativesText(gears);
}

QString alternativesText(QStringList words) {
    const QString last = words.takeLast();
    return QCoreApplication::translate("CommandLine", "%1 o %2")
        .arg(words.join(QStringLiteral(", ")), last);
}

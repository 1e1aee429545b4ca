#include "help/PageLimits.h"

#include "stone/DesignLimits.h"

#include <QCoreApplication>
#include <QStringList>
#include <utility>

namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("PageLimits", text);
}

QString rangeText(const stone::ValueRange &range) {
    return tr("%1 a %2").arg(QString::number(range.low), QString::number(range.high));
}

QString gearsText() {
    QStringList gears;
    for (const int teeth : stone::indexGears())
        gears.append(QString::number(teeth));
    const QString last = gears.takeLast();
    return tr("%1 o %2").arg(gears.join(QStringLiteral(", ")), last);
}

// Each name a page may ask for, and its text.
QList<std::pair<QString, QString>> limitTexts() {
    return {
        {QStringLiteral("filetín"), rangeText(stone::girdleLimits)},
        {QStringLiteral("estrellas"), rangeText(stone::starLimits)},
        {QStringLiteral("medias"), rangeText(stone::lowerHalfLimits)},
        {QStringLiteral("densidad"), rangeText(stone::densityLimits)},
        {QStringLiteral("cabeza"), rangeText(stone::headLimits)},
        {QStringLiteral("rayos"), rangeText(stone::raysLimits)},
        {QStringLiteral("ruedas"), gearsText()},
    };
}

}  // namespace

QString withDesignLimits(QString html) {
    for (const auto &[name, text] : limitTexts())
        html.replace(QStringLiteral("<!--límite:%1-->").arg(name), text);
    return html;
}

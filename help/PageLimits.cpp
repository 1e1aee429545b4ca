#include "help/PageLimits.h"

#include "stone/LimitText.h"

#include <QStringList>
#include <utility>

namespace {

// Each name a page may ask for, and its text.
QList<std::pair<QString, QString>> limitTexts() {
    return {
        {QStringLiteral("filetín"), stone::limitNumbers(stone::girdleLimits)},
        {QStringLiteral("estrellas"), stone::limitNumbers(stone::starLimits)},
        {QStringLiteral("medias"), stone::limitNumbers(stone::lowerHalfLimits)},
        {QStringLiteral("densidad"), stone::limitNumbers(stone::densityLimits)},
        {QStringLiteral("cabeza"), stone::limitNumbers(stone::headLimits)},
        {QStringLiteral("rayos"), stone::limitNumbers(stone::raysLimits)},
        {QStringLiteral("ruedas"), stone::indexGearsText()},
    };
}

}  // namespace

QString withDesignLimits(QString html) {
    for (const auto &[name, text] : limitTexts())
        html.replace(QStringLiteral("<!--límite:%1-->").arg(name), text);
    return html;
}

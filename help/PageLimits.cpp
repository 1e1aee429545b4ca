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
        {QStringLiteral("distancia"), stone::limitNumbers(stone::eyeDistanceLimits)},
        {QStringLiteral("rayos"), stone::limitNumbers(stone::raysLimits)},
        {QStringLiteral("ruedas"), stone::indexGearsText()},
        {QStringLiteral("mesa buscada"), stone::limitNumbers(stone::tableSearchLimits)},
        {QStringLiteral("corona buscada"), stone::limitNumbers(stone::crownSearchLimits)},
        {QStringLiteral("pabellón buscado"), stone::limitNumbers(stone::pavilionSearchLimits)},
        {QStringLiteral("estrellas buscadas"), stone::limitNumbers(stone::starSearchLimits)},
        {QStringLiteral("medias buscadas"), stone::limitNumbers(stone::lowerHalfSearchLimits)},
        {QStringLiteral("profundidad máxima"), stone::limitNumbers(stone::maxDepthLimits)},
        {QStringLiteral("retención mínima"), stone::limitNumbers(stone::minRetentionLimits)},
    };
}

}  // namespace

QString withDesignLimits(QString html) {
    for (const auto &[name, text] : limitTexts())
        html.replace(QStringLiteral("<!--límite:%1-->").arg(name), text);
    return html;
}

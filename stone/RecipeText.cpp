#include "stone/RecipeText.h"

#include <QStringList>

namespace stone {

QString twoDecimals(double value) {
    return QString::number(value, 'f', 2);
}

QString indexSettingsText(const RecipeStep &step, int gear) {
    const int width = int(QString::number(gear).size());
    QStringList settings;
    for (const int tooth : step.teeth)
        settings.append(QStringLiteral("%1").arg(tooth, width, 10, QLatin1Char('0')));
    return settings.join(u'-');
}

RecipeRow recipeRow(const RecipeStep &step, int gear) {
    const bool onGear = !step.teeth.empty();
    return {tierCode(step.tier),
            tierName(step.tier),
            QString::number(step.count),
            twoDecimals(step.angleDeg),
            onGear ? twoDecimals(step.azimuthDeg) : QString(),
            onGear ? indexSettingsText(step, gear) : QString(),
            onGear ? twoDecimals(step.cheaterDeg) : QString()};
}

QString uncuttableMessage() {
    return QStringLiteral(
        "Con este corte no se puede tallar un brillante: la corona no queda sobre el "
        "filetín o la mesa es demasiado ancha. Pruebe con un épsilon menor.");
}

}  // namespace stone

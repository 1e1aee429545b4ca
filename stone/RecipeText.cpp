#include "stone/RecipeText.h"

#include "stone/CuttableEpsilons.h"

#include <QStringList>

namespace stone {

namespace {

struct TierTexts {
    QStringView code;
    QStringView name;
};

// By Tier, in its order.
constexpr TierTexts kTierTexts[] = {
    {u"P1", u"Principales del pabellón"},
    {u"P2", u"Medias del pabellón"},
    {u"G", u"Filetín"},
    {u"C1", u"Principales de la corona"},
    {u"C2", u"Estrellas"},
    {u"C3", u"Medias de la corona"},
    {u"T", u"Mesa"},
    {u"P0", u"Culet"},
};

const TierTexts &textsOf(Tier tier) {
    return kTierTexts[int(tier)];
}

}  // namespace

QString tierCode(Tier tier) {
    return textsOf(tier).code.toString();
}

QString tierName(Tier tier) {
    return textsOf(tier).name.toString();
}

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

QString uncuttableMessage(double refractiveIndex) {
    return QStringLiteral(
               "Con este corte no se puede tallar un brillante: la corona no queda sobre el "
               "filetín o la mesa es demasiado ancha. ") +
           cuttableEpsilonsAdvice(refractiveIndex);
}

}  // namespace stone

#include "stone/RecipeText.h"

#include "stone/CuttableEpsilons.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace stone {

namespace {

QString toothText(int tooth, int gear) {
    const int width = int(QString::number(gear).size());
    return QStringLiteral("%1").arg(tooth, width, 10, QLatin1Char('0'));
}

// Two decimals without a sign on zero: the cheater of a facet on its tooth
// comes out of the geometry as a few units of rounding either side of 0.
QString cheaterDecimals(double cheaterDeg) {
    const QString text = twoDecimals(cheaterDeg);
    return text == QLatin1String("-0.00") ? text.mid(1) : text;
}

// The cheaters of a tier, one per setting, or one when they are all the same.
QString cheatersText(const std::vector<IndexSetting> &settings) {
    QStringList cheaters;
    for (const IndexSetting &s : settings)
        cheaters.append(cheaterDecimals(s.cheaterDeg));
    const bool allSame = cheaters.count(cheaters.value(0)) == cheaters.size();
    return allSame ? cheaters.value(0) : cheaters.join(u' ');
}

}  // namespace

QString twoDecimals(double value) {
    return QString::number(value, 'f', 2);
}

QString indexSettingsText(const std::vector<IndexSetting> &settings, int gear) {
    QStringList teeth;
    for (const IndexSetting &s : settings)
        teeth.append(toothText(s.tooth, gear));
    return teeth.join(u'-');
}

QString signedCheaterText(double cheaterDeg) {
    const QString text = cheaterDecimals(cheaterDeg);
    if (text == QLatin1String("0.00"))
        return {};
    return text.startsWith(u'-') ? text : u'+' + text;
}

QList<SettingsGroup> settingsByCheater(const RecipeStep &step, int gear) {
    QList<SettingsGroup> groups;
    for (const IndexSetting &s : step.settings) {
        const QString cheater = signedCheaterText(s.cheaterDeg);
        const QString tooth = toothText(s.tooth, gear);
        const auto group =
            std::find_if(groups.begin(), groups.end(),
                         [&cheater](const SettingsGroup &g) { return g.cheater == cheater; });
        if (group == groups.end())
            groups.append({cheater, tooth});
        else
            group->settings += u'-' + tooth;
    }
    return groups;
}

RecipeRow recipeRow(const RecipeStep &step, int gear) {
    const bool onGear = !step.settings.empty();
    return {tierCode(step.tier),
            tierName(step.tier),
            QString::number(step.count),
            twoDecimals(step.angleDeg),
            onGear ? twoDecimals(step.azimuthDeg) : QString(),
            indexSettingsText(step.settings, gear),
            cheatersText(step.settings)};
}

QString uncuttableMessage(double refractiveIndex) {
    return QCoreApplication::translate(
               "RecipeText",
               "Con este corte no se puede tallar un brillante: la corona no queda sobre el "
               "filetín o la mesa es demasiado ancha. %1")
        .arg(cuttableEpsilonsAdvice(refractiveIndex));
}

}  // namespace stone

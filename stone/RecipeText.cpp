#include "stone/RecipeText.h"

#include <QStringList>

namespace stone {

namespace {

struct TierTexts {
    QStringView code;
    QStringView name;
};

TierTexts textsOf(Tier tier) {
    switch (tier) {
        case Tier::PavilionMain:
            return {u"P1", u"Principales del pabellón"};
        case Tier::LowerHalf:
            return {u"P2", u"Medias del pabellón"};
        case Tier::Girdle:
            return {u"G", u"Filetín"};
        case Tier::Bezel:
            return {u"C1", u"Principales de la corona"};
        case Tier::Star:
            return {u"C2", u"Estrellas"};
        case Tier::UpperHalf:
            return {u"C3", u"Medias de la corona"};
        case Tier::Table:
            return {u"T", u"Mesa"};
        case Tier::Culet:
            break;
    }
    return {u"P0", u"Culet"};
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

}  // namespace stone

#include "stone/RecipeFigures.h"

#include "calc/Gems.h"
#include "calc/NumberText.h"
#include "calc/ResultLines.h"
#include "stone/RecipeText.h"

#include <QCoreApplication>

namespace stone {

namespace {

QString tr(const char *text) {
    return QCoreApplication::translate("RecipeFigures", text);
}

// Two decimals, or the read-out's exponent form for a stone too large to be
// written out.
QString measureText(double value) {
    return value < 1e9 ? twoDecimals(value) : plainNumberText(value, QStringLiteral("."));
}

QString densitySource(const Material &material) {
    switch (material.source) {
        case Material::Source::nearestGem:
            return tr("de %1, la gema de la lista con el IR más cercano")
                .arg(commonGems().at(material.gem).name());
        case Material::Source::chosenGem:
            return tr("de %1, la gema elegida").arg(commonGems().at(material.gem).name());
        case Material::Source::ownDensity:
            break;
    }
    return tr("la indicada");
}

}  // namespace

QList<RecipeFigure> recipeFigures(const StoneDesign &design, const StoneRecipe &made) {
    const double D = design.D;
    const auto height = [D](const QString &label, double ratio) {
        return RecipeFigure{label, twoDecimals(100 * ratio),
                            tr(" % de D (%1 mm)").arg(measureText(ratio * D))};
    };
    const Brilliant &stone = made.stone;
    return {
        {tr("Diámetro D"), plainNumberText(D, QStringLiteral(".")), tr(" mm")},
        height(tr("Mesa"), design.proportions().table),
        height(tr("Altura de la corona"), stone.crownHeight),
        height(tr("Filetín"), 2 * stone.girdleHalfHeight),
        height(tr("Profundidad del pabellón"), stone.pavilionDepth),
        height(tr("Altura total"), stone.totalDepth),
        {tr("Volumen"), measureText(stone.volume * D * D * D), tr(" mm³")},
        {tr("Densidad"), QString::number(made.density),
         tr(" g/cm³ (%1)").arg(densitySource(design.material))},
        {tr("Peso estimado"), measureText(made.carats), tr(" ct")},
    };
}

QString figureLine(const RecipeFigure &figure) {
    return figure.label + QStringLiteral(": ") + figure.number + figure.rest;
}

QString leakageWarning(const StoneDesign &design) {
    return pavilionLeaks(design) ? mirrorWarning().trimmed() : QString();
}

}  // namespace stone

#include "stone/RecipeFigures.h"

#include "calc/Gems.h"
#include "calc/NumberText.h"
#include "calc/ResultLines.h"
#include "stone/RecipeText.h"

#include <QCoreApplication>

namespace stone {

namespace {

// The context of this file's texts, under a name that lupdate sees too.
struct RecipeFigures {
    Q_DECLARE_TR_FUNCTIONS(RecipeFigures)
};

// Two decimals, or the read-out's exponent form for a stone too large to be
// written out.
QString measureText(double value) {
    return value < 1e9 ? twoDecimals(value) : plainNumberText(value, QStringLiteral("."));
}

QString densitySource(const Material &material) {
    switch (material.source) {
        case Material::Source::nearestGem:
            return RecipeFigures::tr("de %1, la gema de la lista con el IR más cercano")
                .arg(commonGems().at(material.gem).name());
        case Material::Source::chosenGem:
            return RecipeFigures::tr("de %1, la gema elegida")
                .arg(commonGems().at(material.gem).name());
        case Material::Source::ownDensity:
            break;
    }
    return RecipeFigures::tr("la indicada");
}

}  // namespace

QList<RecipeFigure> recipeFigures(const StoneDesign &design, const StoneRecipe &made) {
    const double D = design.D;
    const auto height = [D](const QString &label, double ratio) {
        return RecipeFigure{label, twoDecimals(100 * ratio),
                            RecipeFigures::tr("% de D (%1 mm)").arg(measureText(ratio * D))};
    };
    const Brilliant &stone = made.stone;
    return {
        {RecipeFigures::tr("Diámetro D"), plainNumberText(D, QStringLiteral(".")),
         RecipeFigures::tr("mm")},
        height(RecipeFigures::tr("Mesa"), design.proportions().table),
        height(RecipeFigures::tr("Altura de la corona"), stone.crownHeight),
        height(RecipeFigures::tr("Filetín"), 2 * stone.girdleHalfHeight),
        height(RecipeFigures::tr("Profundidad del pabellón"), stone.pavilionDepth),
        height(RecipeFigures::tr("Altura total"), stone.totalDepth),
        {RecipeFigures::tr("Volumen"), measureText(stone.volume * D * D * D),
         RecipeFigures::tr("mm³")},
        {RecipeFigures::tr("Densidad"), QString::number(made.density),
         RecipeFigures::tr("g/cm³ (%1)").arg(densitySource(design.material))},
        {RecipeFigures::tr("Peso estimado"), measureText(made.carats),
         RecipeFigures::tr("ct", "carats")},
    };
}

QString figureLine(const RecipeFigure &figure) {
    return figure.label + QStringLiteral(": ") + figure.number + u' ' + figure.rest;
}

QString leakageWarning(const StoneDesign &design) {
    return pavilionLeaks(design) ? mirrorWarning().trimmed() : QString();
}

}  // namespace stone

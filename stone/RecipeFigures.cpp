#include "stone/RecipeFigures.h"

#include "calc/Gems.h"
#include "calc/NumberText.h"
#include "calc/ResultLines.h"
#include "stone/RecipeText.h"

#include <QCoreApplication>

namespace stone {

namespace {

// Text::tr() translates in this file's context, which lupdate reads from
// the macro as well.
struct Text {
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
            return Text::tr("de %1, la gema de la lista con el IR más cercano")
                .arg(commonGems().at(material.gem).name());
        case Material::Source::chosenGem:
            return Text::tr("de %1, la gema elegida").arg(commonGems().at(material.gem).name());
        case Material::Source::ownDensity:
            break;
    }
    return Text::tr("la indicada");
}

}  // namespace

QList<RecipeFigure> recipeFigures(const StoneDesign &design, const StoneRecipe &made) {
    const double D = design.D;
    const auto height = [D](const QString &label, double ratio) {
        return RecipeFigure{label, twoDecimals(100 * ratio),
                            Text::tr("% de D (%1 mm)").arg(measureText(ratio * D))};
    };
    const Brilliant &stone = made.stone;
    return {
        {Text::tr("Diámetro D"), plainNumberText(D, QStringLiteral(".")), Text::tr("mm")},
        height(Text::tr("Mesa"), design.proportions().table),
        height(Text::tr("Altura de la corona"), stone.crownHeight),
        height(Text::tr("Filetín"), 2 * stone.girdleHalfHeight),
        height(Text::tr("Profundidad del pabellón"), stone.pavilionDepth),
        height(Text::tr("Altura total"), stone.totalDepth),
        {Text::tr("Volumen"), measureText(stone.volume * D * D * D), Text::tr("mm³")},
        {Text::tr("Densidad"), QString::number(made.density),
         Text::tr("g/cm³ (%1)").arg(densitySource(design.material))},
        {Text::tr("Peso estimado"), measureText(made.carats), Text::tr("ct", "carats")},
    };
}

QString figureLine(const RecipeFigure &figure) {
    return figure.label + QStringLiteral(": ") + figure.number + u' ' + figure.rest;
}

QString leakageWarning(const StoneDesign &design) {
    return pavilionLeaks(design) ? mirrorWarning().trimmed() : QString();
}

}  // namespace stone

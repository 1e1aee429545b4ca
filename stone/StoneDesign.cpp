#include "stone/StoneDesign.h"

#include "calc/Constants.h"
#include "calc/Gems.h"
#include "calc/ResultLines.h"

#include <QCoreApplication>

namespace stone {

Material gemMaterial(double IR, qsizetype gem) {
    const Gem &chosen = commonGems().at(gem);
    return {IR, chosen.density, chosen.dispersion, Material::Source::chosenGem, gem};
}

Material nearestGemMaterial(double IR) {
    Material nearest = gemMaterial(IR, gemNearestIndex(IR));
    nearest.source = Material::Source::nearestGem;
    return nearest;
}

Material ownMaterial(double IR, double density, double dispersion) {
    return {IR, density, dispersion, Material::Source::ownDensity, -1};
}

StoneDesign designOf(const CutResult &cut, double D, const Material &material) {
    StoneDesign design;
    design.cut = cut;
    design.D = D;
    design.material = material;
    return design;
}

QString cutKind(const StoneDesign &design) {
    return design.optimised ? QCoreApplication::translate("StoneDesign", "optimizada")
                            : QCoreApplication::translate("StoneDesign", "calculada");
}

bool pavilionLeaks(const StoneDesign &design) {
    if (!design.optimised)
        return needsMirroring(design.cut);
    return design.cut.critAngle * 180 / pi > design.optimised->pavilionDeg;
}

double valueOf(const StoneDesign &design, DesignValue value) {
    switch (value) {
        case DesignValue::girdle:
            return design.choices.girdlePercent;
        case DesignValue::starLength:
            return design.choices.starPercent;
        case DesignValue::lowerHalfLength:
            return design.choices.lowerGirdlePercent;
        case DesignValue::density:
            return design.material.density;
        case DesignValue::dispersion:
            return design.material.dispersion;
        case DesignValue::headCone:
            return design.viewer.headDeg;
        case DesignValue::eyeDistance:
            break;
    }
    return design.viewer.eyeDistanceCm;
}

void setValue(StoneDesign &design, DesignValue value, double number) {
    switch (value) {
        case DesignValue::girdle:
            design.choices.girdlePercent = number;
            return;
        case DesignValue::starLength:
            design.choices.starPercent = number;
            return;
        case DesignValue::lowerHalfLength:
            design.choices.lowerGirdlePercent = number;
            return;
        case DesignValue::density:
            design.material =
                ownMaterial(design.material.refractiveIndex, number, design.material.dispersion);
            return;
        case DesignValue::dispersion:
            design.material.dispersion = number;
            return;
        case DesignValue::headCone:
            design.viewer.headDeg = number;
            return;
        case DesignValue::eyeDistance:
            design.viewer.eyeDistanceCm = number;
            return;
    }
}

bool sameLight(const StoneDesign &a, const StoneDesign &b) {
    const Proportions p = a.proportions(), q = b.proportions();
    const CutChoices &c = a.choices, &d = b.choices;
    return p.table == q.table && p.crownDeg == q.crownDeg && p.pavilionDeg == q.pavilionDeg &&
           c.girdlePercent == d.girdlePercent && c.starPercent == d.starPercent &&
           c.lowerGirdlePercent == d.lowerGirdlePercent &&
           a.material.refractiveIndex == b.material.refractiveIndex &&
           a.material.dispersion == b.material.dispersion && a.viewer.headDeg == b.viewer.headDeg &&
           eyeDistanceInD(a) == eyeDistanceInD(b);
}

double eyeDistanceInD(const StoneDesign &design) {
    constexpr double millimetresPerCentimetre = 10;
    return design.viewer.eyeDistanceCm * millimetresPerCentimetre / design.D;
}

bool isEyeClear(const StoneDesign &design) {
    constexpr double nearestInD = 2;
    return design.viewer.eyeDistanceCm == 0 || eyeDistanceInD(design) >= nearestInD;
}

QString eyeTooCloseMessage(const StoneDesign &design) {
    return QCoreApplication::translate("StoneDesign",
                                       "El ojo, a %1 cm, está a menos de dos diámetros del centro "
                                       "de la piedra: aléjelo o póngalo en el infinito (distancia "
                                       "0).")
        .arg(design.viewer.eyeDistanceCm);
}

ViewSettings viewSettingsOf(const StoneDesign &design, int raysAcross) {
    return {design.material.refractiveIndex, design.viewer.headDeg, raysAcross,
            eyeDistanceInD(design), design.material.dispersion};
}

}  // namespace stone

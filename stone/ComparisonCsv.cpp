#include "stone/ComparisonCsv.h"

#include <QStringList>

namespace stone {

namespace {

// Numbers with a fixed count of decimals, in the CSV's decimal separator.
class FixedNumbers {
public:
    explicit FixedNumbers(const CsvWriter &writer) : writer_(writer) {}

    QString measure(double value) const { return fixed(value, 3); }
    QString volume(double value) const { return fixed(value, 5); }
    QString percentOfLight(double share) const { return fixed(100 * share, 2); }
    QString dispersion(double value) const { return fixed(value, 3); }

private:
    QString fixed(double value, int decimals) const {
        return writer_.decimalText(QString::number(value, 'f', decimals));
    }

    const CsvWriter &writer_;
};

QStringList cutFields(const CutLight &light, const FixedNumbers &n) {
    const Proportions &cut = light.cut.proportions;
    const CutChoices &choices = light.cut.choices;
    const Brilliant &stone = light.stone;
    return {n.measure(100 * cut.table),         n.measure(cut.crownDeg),
            n.measure(cut.pavilionDeg),         n.measure(choices.girdlePercent),
            n.measure(choices.starPercent),     n.measure(choices.lowerGirdlePercent),
            n.measure(100 * stone.crownHeight), n.measure(100 * stone.pavilionDepth),
            n.measure(100 * stone.totalDepth),  n.volume(stone.volume)};
}

QStringList lightFields(const CutLight &light, double dispersion, const FixedNumbers &n) {
    const LightShares &faceUp = light.faceUp();
    return {n.percentOfLight(faceUp.brightnessIso),
            n.percentOfLight(faceUp.brightnessCos),
            n.percentOfLight(light.tiltedBrightness()),
            n.percentOfLight(light.tiltedBrightnessCos()),
            n.percentOfLight(faceUp.externalReflection),
            n.percentOfLight(faceUp.leakage),
            n.dispersion(dispersion),
            n.percentOfLight(light.fire),
            n.percentOfLight(faceUp.bands[lowBand]),
            n.percentOfLight(faceUp.bands[middleBand]),
            n.percentOfLight(faceUp.bands[highBand]),
            n.percentOfLight(faceUp.remainder)};
}

}  // namespace

QString comparisonCsv(const std::vector<CutLight> &cuts, double refractiveIndex, double dispersion,
                      CsvDecimals decimals) {
    const CsvWriter writer(decimals);
    const FixedNumbers numbers(writer);
    QString csv =
        writer.record(QStringLiteral("talla,IR,mesa,corona,pabellon,filetin,estrella,"
                                     "pabellon_inferior,altura_corona,profundidad_pabellon,"
                                     "profundidad_total,volumen,brillo_iso,brillo_cos,"
                                     "brillo_inclinado,brillo_inclinado_cos,reflejo_externo,fuga,"
                                     "dispersion,fuego,banda_0_45,banda_45_75,banda_75_90,resto")
                          .split(u','));
    const QString ir = writer.number(refractiveIndex);
    for (const CutLight &light : cuts)
        csv += writer.record(QStringList{light.cut.name, ir} + cutFields(light, numbers) +
                             lightFields(light, dispersion, numbers));
    return csv;
}

}  // namespace stone

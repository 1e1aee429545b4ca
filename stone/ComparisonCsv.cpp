#include "stone/ComparisonCsv.h"

#include "calc/Csv.h"

#include <QStringList>

namespace stone {

namespace {

QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString measure(double value) {
    return fixed(value, 3);
}

QString percentOfLight(double share) {
    return fixed(100 * share, 2);
}

QStringList cutFields(const CutLight &light) {
    const Proportions &cut = light.cut.proportions;
    const CutChoices &choices = light.cut.choices;
    const Brilliant &stone = light.stone;
    return {measure(100 * cut.table),         measure(cut.crownDeg),
            measure(cut.pavilionDeg),         measure(choices.girdlePercent),
            measure(choices.starPercent),     measure(choices.lowerGirdlePercent),
            measure(100 * stone.crownHeight), measure(100 * stone.pavilionDepth),
            measure(100 * stone.totalDepth),  fixed(stone.volume, 5)};
}

QStringList lightFields(const CutLight &light) {
    const LightShares &faceUp = light.faceUp();
    return {percentOfLight(faceUp.brightnessIso),     percentOfLight(faceUp.brightnessCos),
            percentOfLight(light.tiltedBrightness()), percentOfLight(faceUp.externalReflection),
            percentOfLight(faceUp.leakage),           percentOfLight(faceUp.bands[lowBand]),
            percentOfLight(faceUp.bands[middleBand]), percentOfLight(faceUp.bands[highBand]),
            percentOfLight(faceUp.remainder)};
}

}  // namespace

QString comparisonCsv(const std::vector<CutLight> &cuts, double refractiveIndex) {
    const CsvWriter writer;
    QString csv =
        writer.record(QStringLiteral("talla,IR,mesa,corona,pabellon,filetin,estrella,"
                                     "pabellon_inferior,altura_corona,profundidad_pabellon,"
                                     "profundidad_total,volumen,brillo_iso,brillo_cos,"
                                     "brillo_inclinado,reflejo_externo,fuga,banda_0_45,"
                                     "banda_45_75,banda_75_90,resto")
                          .split(u','));
    const QString ir = writer.number(refractiveIndex);
    for (const CutLight &light : cuts)
        csv +=
            writer.record(QStringList{light.cut.name, ir} + cutFields(light) + lightFields(light));
    return csv;
}

}  // namespace stone

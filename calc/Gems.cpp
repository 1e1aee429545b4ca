#include "calc/Gems.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

// Each index is the lower limit of the range given for the material by the
// GIA Gem Reference Guide (Gemological Institute of America) and by
// R. Webster, Gems: Their Sources, Descriptions and Identification; for a
// doubly refracting material that is its lower index. Pyrope and spessartine
// take the lower limits of 1.730-1.760 and 1.790-1.810, the ranges that The
// Gemology Project (gemologyproject.com) and other trade tables give for the
// gems sold under these names: mixed garnets, seldom the pure end members
// (pyrope 1.714, spessartine 1.800). The density is the usual value the GIA
// guide and Webster give, the middle of their range. The dispersion is the
// B–G value, the index at the G line (430.8 nm) less that at the B line
// (686.7 nm), as both references give it; for a doubly refracting material,
// that of its lower index. The help page "Tabla de gemas" names the same
// references.
const QList<Gem> &commonGems() {
    static const QList<Gem> gems{
        {QT_TRANSLATE_NOOP("Gems", "Moissanita"), QStringLiteral("2.648"), 3.22, 0.104},
        {QT_TRANSLATE_NOOP("Gems", "Diamante"), QStringLiteral("2.417"), 3.52, 0.044},
        {QT_TRANSLATE_NOOP("Gems", "Circonita cúbica"), QStringLiteral("2.150"), 5.80, 0.060},
        {QT_TRANSLATE_NOOP("Gems", "Circón"), QStringLiteral("1.925"), 4.70, 0.039},
        {QT_TRANSLATE_NOOP("Gems", "Titanita (esfena)"), QStringLiteral("1.900"), 3.52, 0.051},
        {QT_TRANSLATE_NOOP("Gems", "Granate demantoide"), QStringLiteral("1.888"), 3.84, 0.057},
        {QT_TRANSLATE_NOOP("Gems", "Granate YAG (sintético)"), QStringLiteral("1.833"), 4.55,
         0.028},
        {QT_TRANSLATE_NOOP("Gems", "Granate almandino"), QStringLiteral("1.790"), 4.05, 0.024},
        {QT_TRANSLATE_NOOP("Gems", "Granate espesartina"), QStringLiteral("1.790"), 4.15, 0.027},
        {QT_TRANSLATE_NOOP("Gems", "Corindón (rubí, zafiro)"), QStringLiteral("1.762"), 4.00,
         0.018},
        {QT_TRANSLATE_NOOP("Gems", "Granate rodolita"), QStringLiteral("1.760"), 3.84, 0.026},
        {QT_TRANSLATE_NOOP("Gems", "Crisoberilo (alejandrita)"), QStringLiteral("1.746"), 3.73,
         0.015},
        {QT_TRANSLATE_NOOP("Gems", "Granate grosularia"), QStringLiteral("1.740"), 3.61, 0.027},
        {QT_TRANSLATE_NOOP("Gems", "Granate piropo"), QStringLiteral("1.730"), 3.78, 0.022},
        {QT_TRANSLATE_NOOP("Gems", "Espinela"), QStringLiteral("1.718"), 3.60, 0.020},
        {QT_TRANSLATE_NOOP("Gems", "Tanzanita (zoisita)"), QStringLiteral("1.691"), 3.35, 0.021},
        {QT_TRANSLATE_NOOP("Gems", "Espodumena (kunzita)"), QStringLiteral("1.660"), 3.18, 0.017},
        {QT_TRANSLATE_NOOP("Gems", "Peridoto"), QStringLiteral("1.654"), 3.34, 0.020},
        {QT_TRANSLATE_NOOP("Gems", "Andalucita"), QStringLiteral("1.634"), 3.17, 0.016},
        {QT_TRANSLATE_NOOP("Gems", "Turmalina"), QStringLiteral("1.624"), 3.06, 0.017},
        {QT_TRANSLATE_NOOP("Gems", "Topacio"), QStringLiteral("1.610"), 3.53, 0.014},
        {QT_TRANSLATE_NOOP("Gems", "Berilo (esmeralda, aguamarina)"), QStringLiteral("1.577"), 2.72,
         0.014},
        {QT_TRANSLATE_NOOP("Gems", "Labradorita"), QStringLiteral("1.559"), 2.70, 0.012},
        {QT_TRANSLATE_NOOP("Gems", "Cuarzo (amatista, citrino)"), QStringLiteral("1.544"), 2.66,
         0.013},
        {QT_TRANSLATE_NOOP("Gems", "Iolita (cordierita)"), QStringLiteral("1.542"), 2.61, 0.017},
        {QT_TRANSLATE_NOOP("Gems", "Ortosa (piedra luna)"), QStringLiteral("1.518"), 2.56, 0.012},
        {QT_TRANSLATE_NOOP("Gems", "Fluorita"), QStringLiteral("1.434"), 3.18, 0.007},
    };
    return gems;
}

QString Gem::name() const {
    return QCoreApplication::translate("Gems", sourceName);
}

qsizetype gemNearestIndex(double IR) {
    const auto thousandths = [](double index) { return std::llround(index * 1000); };
    // Any index beyond the list's is nearest its highest gem.
    const qint64 wanted = thousandths(std::clamp(IR, 0.0, 1e6));
    const QList<Gem> &gems = commonGems();
    // min_element keeps the first of equal elements.
    const auto nearest =
        std::min_element(gems.begin(), gems.end(), [&](const Gem &a, const Gem &b) {
            return std::llabs(thousandths(a.ir.toDouble()) - wanted) <
                   std::llabs(thousandths(b.ir.toDouble()) - wanted);
        });
    return nearest - gems.begin();
}

qsizetype gemNamed(QStringView name) {
    const QList<Gem> &gems = commonGems();
    const auto found = std::find_if(gems.begin(), gems.end(), [name](const Gem &gem) {
        return QString::fromUtf8(gem.sourceName) == name;
    });
    return found == gems.end() ? -1 : found - gems.begin();
}

#include "cli/CommandLine.h"
#include "files/CutSheetFile.h"
#include "stone/LimitText.h"
#include "stone/ObjectiveNames.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// Where the operands of a request go on under the first line: below IR.
constexpr qsizetype kOperandsIndent = 23;

// The context the usage is translated in.
class Usage {
    Q_DECLARE_TR_FUNCTIONS(Usage)
};

/* TRANSLATOR Usage

   The answer to --help. Option names (--calcular, --filetin…) and objective
   names (mixto-cielo…) stay as they are; the names in capitals (IR, D,
   EPSILON, ARCHIVO, DESDE…) stand for values and are translated alike in the
   operands and the descriptions. A "\n" starts a line that the usage indents
   under the first. */

// A line of the usage: the option, what follows it, and what it does. A
// "\n" in operands or description goes on under them.
struct UsageEntry {
    QString name;
    QString operands;
    QString description;
};

QString number(double value) {
    return QString::number(value);
}

UsageEntry optimiseEntry() {
    const CommandLine defaults;
    const stone::SearchBounds &bounds = defaults.bounds;
    return {QStringLiteral("--optimizar"),
            Usage::tr("IR D [--epsilon E] [--objetivo O [--peso-fuego W]] [--filetin G]\n"
                      "[--indice N] [--dispersion X] [--cabeza H] [--distancia C]\n"
                      "[--mesa MIN MAX] [--corona MIN MAX]\n"
                      "[--pabellon MIN MAX] [--profundidad-maxima P]\n"
                      "[--retencion-minima R] [--receta] [--rayos N] [--coma-decimal]"),
            Usage::tr("busca el brillante redondo más brillante de ese IR y lo escribe en\n"
                      "CSV como una fila de --verificar, «Optimizada»; con --receta, también\n"
                      "su receta, como la escribe --receta. Varía la mesa (%1,\n"
                      "en % de D), los ángulos de corona (%2 grados) y de\n"
                      "pabellón (%3), las estrellas (%4 %) y las medias del\n"
                      "pabellón (%5 %); --mesa, --corona y --pabellon acotan\n"
                      "más los tres primeros. Parte de la talla calculada con épsilon E (0\n"
                      "si se omite) y de las tres clásicas, y no da nunca una menos\n"
                      "brillante que la mejor de ellas. O: %6 (si se omite: la\n"
                      "media de los otros dos, para una piedra que ha de lucir a la luz del\n"
                      "día y bajo lámparas), %7 (cielo uniforme: cuenta tanto la\n"
                      "luz rasante como la de arriba), %8 (cielo coseno: la de\n"
                      "arriba, como bajo una lámpara de techo) o %11 (el mixto más W\n"
                      "veces el fuego bajo los focos, %12; 0.5 si se omite); P: altura\n"
                      "total máxima en % de D (%9); R: peso mínimo en % del de la talla\n"
                      "calculada (%10); G y N de la rueda como en --receta; X, H, C y N\n"
                      "como en --verificar")
                .arg(stone::rangeText(bounds.table), stone::rangeText(bounds.crown),
                     stone::rangeText(bounds.pavilion), stone::rangeText(bounds.star),
                     stone::rangeText(bounds.lowerHalf),
                     stone::objectiveName(stone::SearchObjective::mixedSky),
                     stone::objectiveName(stone::SearchObjective::tiltedIso),
                     stone::objectiveName(stone::SearchObjective::tiltedCos),
                     stone::rangeText(stone::maxDepthLimits))
                .arg(stone::rangeText(stone::minRetentionLimits),
                     stone::objectiveName(stone::SearchObjective::withFire),
                     stone::rangeText(stone::fireWeightLimits))};
}

QList<UsageEntry> usageEntries() {
    const CommandLine defaults;
    const stone::CutChoices &choices = defaults.choices;
    return {
        {QStringLiteral("--calcular"),
         Usage::tr("IR D EPSILON [--exportar ARCHIVO [--filetin G] [--estrella S]\n"
                   "[--pabellon-inferior L] [--indice N] [--densidad RHO]\n"
                   "[--verificacion [--cabeza H] [--distancia C] [--rayos N]]]"),
         Usage::tr("calcula como el botón CALCULAR y escribe IR, los ocho resultados y,\n"
                   "si lo hay, el aviso ESPEJAR; con --exportar guarda además la hoja de\n"
                   "corte en ARCHIVO (%1), con la receta de G, S, L, N y RHO\n"
                   "como en --receta y, con --verificacion, una página con la verificación\n"
                   "en 3-D de H, C y N como en --verificar")
             .arg(cutSheetExtensions())},
        {QStringLiteral("--tabla"), Usage::tr("[--epsilon E] [--coma-decimal] DESDE HASTA PASO"),
         Usage::tr("escribe en CSV los ángulos y proporciones para IR de DESDE a HASTA,\n"
                   "de PASO en PASO (0.001 o un múltiplo; 10000 filas como máximo),\n"
                   "con épsilon E (0 si se omite); con --coma-decimal, campos separados\n"
                   "por \";\" y coma decimal, para una hoja de cálculo en español")},
        {QStringLiteral("--gemas"), Usage::tr("[--epsilon E] [--coma-decimal]"),
         Usage::tr("escribe la misma tabla para las gemas más comunes")},
        {QStringLiteral("--receta"),
         Usage::tr("IR D EPSILON [--filetin G] [--estrella S] [--pabellon-inferior L]\n"
                   "[--indice N] [--densidad RHO] [--csv [--coma-decimal]]"),
         Usage::tr("escribe la receta de tallado del brillante redondo: ángulo e índices de\n"
                   "cada faceta, proporciones y peso estimado; con --csv, solo la tabla en\n"
                   "CSV, y con --coma-decimal, como en --tabla.\n"
                   "G: filetín en % de D (%1 si se omite, %2);\n"
                   "S: longitud de las estrellas en % (%3 si se omite, %4);\n"
                   "L: longitud de las medias del pabellón en % (%5 si se omite, %6);\n"
                   "N: dientes de la rueda de índice (%7; %8 si se omite);\n"
                   "RHO: densidad en g/cm³ (%9; si se omite, la de la gema de la lista\n"
                   "con el IR más cercano)")
             .arg(number(choices.girdlePercent), stone::rangeText(stone::girdleLimits),
                  number(choices.starPercent), stone::rangeText(stone::starLimits),
                  number(choices.lowerGirdlePercent), stone::rangeText(stone::lowerHalfLimits),
                  stone::indexGearsText(), number(defaults.gear),
                  stone::rangeText(stone::densityLimits))},
        {QStringLiteral("--verificar"),
         Usage::tr("IR D EPSILON [--filetin G] [--estrella S] [--pabellon-inferior L]\n"
                   "[--dispersion X] [--cabeza H] [--distancia C] [--rayos N]\n"
                   "[--coma-decimal]"),
         Usage::tr("escribe en CSV el brillo en 3-D de la talla calculada y de tres tallas\n"
                   "clásicas del mismo IR, y su fuego bajo los focos; G, S y L como en\n"
                   "--receta, solo para la calculada; X: dispersión B–G del material (%7;\n"
                   "si se omite, la de la gema de la lista con el IR más cercano);\nH: cono en "
                   "grados que "
                   "tapa la cabeza del observador (%1 si se\n"
                   "omite, %2); C: distancia en cm del ojo al centro de la piedra (%3 si\n"
                   "se omite, %4; 0: el ojo en el infinito); N: rayos de lado de la\n"
                   "cuadrícula, un entero (%5 si se omite, %6); con --coma-decimal, como\n"
                   "en --tabla")
             .arg(number(defaults.headDeg), stone::rangeText(stone::headLimits),
                  number(defaults.eyeDistanceCm), stone::rangeText(stone::eyeDistanceLimits),
                  number(defaults.raysAcross), stone::rangeText(stone::raysLimits),
                  stone::rangeText(stone::dispersionLimits))},
        optimiseEntry(),
        {QStringLiteral("--idioma"),
         {},
         Usage::tr("es o en: habla español o inglés, con cualquier otra opción o sin\n"
                   "ninguna; si se omite, el idioma del escritorio (LANGUAGE, LC_ALL,\n"
                   "LC_MESSAGES o LANG: español para es…, inglés para cualquier otro)")},
        {QStringLiteral("--help"), {}, Usage::tr("muestra esta ayuda y termina")},
        {QStringLiteral("--version"), {}, Usage::tr("muestra la versión y la licencia y termina")},
    };
}

}  // namespace

QString usageText() {
    const QList<UsageEntry> entries = usageEntries();
    QString text = Usage::tr("Uso: corvelux [OPCIÓN]\n");
    for (const UsageEntry &entry : entries) {
        if (!entry.operands.isEmpty()) {
            QString operands = entry.operands;
            operands.replace(u'\n', u'\n' + QString(kOperandsIndent, u' '));
            text += QStringLiteral("     corvelux %1 %2\n").arg(entry.name, operands);
        }
    }
    text += Usage::tr(
        "Calcula los ángulos y proporciones que optimizan el brillo de una gema.\n"
        "Sin opciones, abre las ventanas del programa.\n"
        "\n"
        "Opciones:\n");
    qsizetype nameWidth = 0;
    for (const UsageEntry &entry : entries)
        nameWidth = std::max(nameWidth, entry.name.size());
    const QString indent(nameWidth + 4, u' ');
    for (const UsageEntry &entry : entries) {
        QString description = entry.description;
        description.replace(u'\n', u'\n' + indent);
        text += QStringLiteral("  %1  %2\n").arg(entry.name.leftJustified(nameWidth), description);
    }
    text += Usage::tr("Los números se escriben con punto decimal; los de N, como enteros.\n");
    return text;
}

QString versionText() {
    return QStringLiteral("CORVELUX " CORVELUX_VERSION "\n") +
           Usage::tr(
               "Copyright © 2026 Equipo de CORVELUX\n"
               "Licencia GPLv3 o posterior: GNU GPL versión 3 o posterior "
               "<https://gnu.org/licenses/gpl.html>.\n"
               "Este programa es software libre: puede redistribuirlo y modificarlo.\n"
               "No hay NINGUNA GARANTÍA, en la medida en que lo permita la ley.\n");
}

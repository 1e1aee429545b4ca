#pragma once

#include "calc/ComputePlan.h"

#include <QString>
#include <QStringList>

// What the command line asks for. Without arguments the program opens its
// windows; the other commands print their results and end, with no display.
struct HeadlessCommand {
    enum class Kind {
        openWindows,  // no arguments
        calculate,    // --calcular IR D EPSILON
        indexChart,   // --tabla [--epsilon E] DESDE HASTA PASO
        gemChart,     // --gemas [--epsilon E]
        wrongUsage,   // anything else
    };

    Kind kind = Kind::openWindows;
    InputFields inputs;                     // calculate: the values as given
    QString epsilon = QStringLiteral("0");  // charts: E, a number
    double from = 0, to = 0, step = 0;      // indexChart
};

// Reads the arguments that follow the program's name. The three values after
// --calcular are taken whatever they look like ("-3" and "" included), to be
// read as the fields are; DESDE, HASTA, PASO and E must be finite numbers
// with a period.
HeadlessCommand parseCommandLine(const QStringList &arguments);

// Printed on standard error for wrong usage.
inline const QString commandLineUsage = QStringLiteral(
    "Uso: corvelux\n"
    "     corvelux --calcular IR D EPSILON\n"
    "     corvelux --tabla [--epsilon E] DESDE HASTA PASO\n"
    "     corvelux --gemas [--epsilon E]\n"
    "\n"
    "Sin opciones abre la ventana del programa.\n"
    "  --calcular IR D EPSILON  calcula como el botón CALCULAR e imprime IR y los\n"
    "                           ocho resultados\n"
    "  --tabla DESDE HASTA PASO imprime en CSV los ángulos y proporciones para IR\n"
    "                           de DESDE a HASTA, de PASO en PASO (10000 filas\n"
    "                           como máximo)\n"
    "  --gemas                  imprime la misma tabla para las gemas más comunes\n"
    "  --epsilon E              épsilon en grados de la tabla (0 si se omite)\n"
    "Los números se escriben con punto decimal.\n");

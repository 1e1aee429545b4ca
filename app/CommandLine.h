#pragma once

#include "calc/ComputePlan.h"
#include "stone/Brilliant.h"

#include <QString>
#include <QStringList>

// The options of --verificar after its three values: the cut's choices, the
// viewer's head and the grid, as given or their defaults.
struct LightCheckOptions {
    double girdlePercent = 0;        // --filetin G
    double starPercent = 50;         // --estrella S
    double lowerGirdlePercent = 80;  // --pabellon-inferior L
    double headDeg = 15;             // --cabeza H
    double raysAcross = 160;         // --rayos N
};

// What the command line asks for. It is read before any application object
// exists, so that the requests answered on the terminal need no display.
struct CommandLine {
    enum class Request {
        OpenWindows,  // no arguments
        ShowHelp,     // --help
        ShowVersion,  // --version
        Calculate,    // --calcular IR D EPSILON [--exportar ARCHIVO]
        IndexChart,   // --tabla [--epsilon E] DESDE HASTA PASO
        GemChart,     // --gemas [--epsilon E]
        CheckLight,   // --verificar IR D EPSILON [--filetin G] ... [--rayos N]
        Recipe,       // --receta IR D EPSILON [the recipe's options]
        Misuse,       // anything else
    };

    Request request = Request::OpenWindows;
    InputFields inputs;                     // Calculate, CheckLight: the values as given
    LightCheckOptions light;                // CheckLight
    QString exportFile;                     // Calculate: where the cut sheet goes
    QString epsilon = QStringLiteral("0");  // charts: E, a number
    double from = 0, to = 0, step = 0;      // IndexChart
    stone::CutChoices choices;              // Recipe
    int gear = 96;                          // Recipe: teeth of the index gear
    double density = 0;                     // Recipe: g/cm³; 0: the nearest gem's
    bool csv = false;                       // Recipe: the table as CSV
    QString complaint;                      // Misuse: which argument is wrong
    bool withUsage = true;                  // Misuse: false when the complaint says it all
};

// Reads the arguments that follow the program's name. The three values after
// --calcular are taken whatever they look like ("-3" and "" included), to be
// read as the fields are; DESDE, HASTA, PASO and E must be finite numbers
// with a period, and so must every value of --verificar and those of
// --receta, within their ranges.
CommandLine parseCommandLine(const QStringList &arguments);

// "--help", and after a Misuse: the usage, one line per option.
QString usageText();
// "--version": name, version and licence.
QString versionText();

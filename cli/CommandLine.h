#pragma once

#include "calc/ComputePlan.h"
#include "stone/Brilliant.h"

#include <QString>
#include <QStringList>

// What the command line asks for. It is read before any application object
// exists, so that the requests answered on the terminal need no display.
struct CommandLine {
    enum class Request {
        OpenWindows,  // no arguments
        ShowHelp,     // --help
        ShowVersion,  // --version
        Calculate,    // --calcular IR D EPSILON [--exportar ARCHIVO]
        IndexChart,   // --tabla [--epsilon E] [--coma-decimal] DESDE HASTA PASO
        GemChart,     // --gemas [--epsilon E] [--coma-decimal]
        Recipe,       // --receta IR D EPSILON [the recipe's options]
        CheckLight,   // --verificar IR D EPSILON [the light check's options]
        Misuse,       // anything else
    };

    Request request = Request::OpenWindows;
    InputFields inputs;                     // Calculate: the values as given
    QString exportFile;                     // Calculate: where the cut sheet goes
    QString epsilon = QStringLiteral("0");  // charts: E, a number
    bool decimalComma = false;              // charts: for a spreadsheet set to Spanish
    double from = 0, to = 0, step = 0;      // IndexChart
    stone::CutChoices choices;              // Recipe, CheckLight
    int gear = 96;                          // Recipe: teeth of the index gear
    double density = 0;                     // Recipe: g/cm³; 0: the nearest gem's
    bool csv = false;                       // Recipe: the table as CSV
    double headDeg = 15;                    // CheckLight: the viewer's head, degrees
    int raysAcross = 160;                   // CheckLight: camera rays across the stone
    QString complaint;                      // Misuse: which argument is wrong
    bool withUsage = true;                  // Misuse: false when the complaint says it all
};

// Reads the arguments that follow the program's name. Every value an option
// takes as a number must be one for readNumberArgument; those of --receta's
// and --verificar's options must also lie within their ranges.
CommandLine parseCommandLine(const QStringList &arguments);
// The same for main()'s arguments, in the locale's encoding: an argument
// whose bytes are not text in it is wrong usage rather than changed.
CommandLine parseCommandLine(int argc, char *argv[]);

// A number given to any option, read as readDecimalNumber reads it: its
// value, or the complaint that names the argument.
struct NumberArgument {
    double value = 0;
    QString complaint;
};
NumberArgument readNumberArgument(const QString &argument);

// "--help", and after a Misuse: the usage, one line per option.
QString usageText();
// "--version": name, version and licence.
QString versionText();

#pragma once

#include "calc/ComputePlan.h"
#include "calc/Csv.h"
#include "stone/CutSearch.h"
#include "stone/StoneDesign.h"

#include <QString>
#include <QStringList>

// What the command line asks for. It is read before any application object
// exists, so that the requests answered on the terminal need no display.
struct CommandLine {
    enum class Request {
        OpenWindows,  // no arguments
        ShowHelp,     // --help
        ShowVersion,  // --version
        Calculate,    // --calcular IR D EPSILON [--exportar ARCHIVO [the sheet's options]]
        IndexChart,   // --tabla [--epsilon E] [--coma-decimal] DESDE HASTA PASO
        GemChart,     // --gemas [--epsilon E] [--coma-decimal]
        Recipe,       // --receta IR D EPSILON [the recipe's options]
        CheckLight,   // --verificar IR D EPSILON [the light check's options]
        Optimise,     // --optimizar IR D [the search's options]
        Misuse,       // anything else
    };

    Request request = Request::OpenWindows;
    InputFields inputs;             // Calculate, Recipe, CheckLight, Optimise: the values as given
    QString exportFile;             // Calculate: where the cut sheet goes
    bool verificationPage = false;  // Calculate: the sheet's page of the light check
    QString epsilon = QStringLiteral("0");  // charts, Optimise: E, a number
    bool decimalComma = false;              // CSV for a spreadsheet set to Spanish
    double from = 0, to = 0, step = 0;      // IndexChart
    stone::CutChoices choices;              // Recipe, CheckLight, Optimise, the sheet
    int gear = 96;                          // Recipe, Optimise, the sheet: teeth of the index gear
    double density = 0;                     // Recipe, the sheet: g/cm³; 0: the nearest gem's
    double dispersion = -1;                 // the light: B–G value; below 0: the nearest gem's
    bool csv = false;                       // Recipe: the table as CSV
    double headDeg = 15;        // CheckLight, Optimise, the sheet: the viewer's head, degrees
    double eyeDistanceCm = 25;  // CheckLight, Optimise, the sheet: the viewer's eye; 0: at infinity
    int raysAcross = 160;       // CheckLight, Optimise, the sheet: camera rays across the stone
    stone::SearchBounds bounds;  // Optimise: where to search
    stone::SearchObjective objective = stone::SearchObjective::mixedSky;  // Optimise
    double fireWeight = 0.5;  // Optimise, with the objective con-fuego
    bool recipe = false;      // Optimise: the recipe of the cut found after it
    QString complaint;        // Misuse: which argument is wrong
    bool withUsage = true;    // Misuse: false when the complaint says it all

    CsvDecimals csvDecimals() const {
        return decimalComma ? CsvDecimals::comma : CsvDecimals::point;
    }
};

// Reads the arguments that follow the program's name: a request, its values
// and its options, each option at most once and in any order. Every value an
// option takes as a number must be one for readNumberArgument and lie within
// its range (stone/DesignLimits.h); a count must be written as an integer; a
// range is two numbers, the lower first. A request of IR and D alone takes
// épsilon from --epsilon.
CommandLine parseCommandLine(QStringList arguments);
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

// "--help", and after a Misuse: the usage, one line per option, with the
// ranges of stone/DesignLimits.h.
QString usageText();
// "--version": name, version and licence.
QString versionText();

// The design a request of the stone asks for: the cut planned, with the
// choices, gear, density and viewer's head given, or else the usual ones and
// the density of the gem with the nearest index.
stone::StoneDesign designOf(const CommandLine &command, const ComputePlan &plan);

#pragma once

#include "cli/ProgramLanguage.h"

#include <QString>
#include <optional>

class QTextStream;
struct CommandLine;

// Exit statuses of the requests answered on the terminal.
enum ExitStatus : int {
    exitDone = 0,
    exitRejected = 1,  // a value the computation rejects, no chart, or a failed write
    exitWrongUsage = 2,
};

// Why the status is exitRejected although the request was answered.
QString outputFailureMessage();

// Why the windows cannot open without a display, and what works without one.
QString noDisplayMessage();

// Answers a request of the command line other than opening the windows:
// results go to out; a rejection's message, alone on its line, or the
// complaint and the usage go to err. Numbers are written with a period
// whatever the locale, unless a chart asks for decimal commas.
int runHeadless(const CommandLine &command, QTextStream &out, QTextStream &err);

// What main() does after the command line: end with a status, or open the
// windows in a language.
struct StartUp {
    std::optional<int> status;
    Language language = Language::spanish;
    // With the windows to open, noDisplayMessage() in that language: Qt finds
    // that there is no display while building the application object, before
    // any translator can be installed.
    QString noDisplay;
};

// For main(), before any application object exists: answers what the
// arguments ask for on standard output and standard error, in the language
// asked for or the desktop's, and says the exit status, or that the windows
// are to open. Output that could not be written whole turns the status into
// exitRejected, with outputFailureMessage() on standard error.
StartUp runCommandLine(int argc, char *argv[]);

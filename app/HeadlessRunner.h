#pragma once

#include <optional>

class QTextStream;
struct CommandLine;

// Exit statuses of the requests answered on the terminal.
enum ExitStatus : int {
    exitDone = 0,
    exitRejected = 1,  // a value the computation rejects, or no chart
    exitWrongUsage = 2,
};

// Answers a request of the command line other than opening the windows:
// results go to out; a rejection's message, alone on its line, or the
// complaint and the usage go to err. Numbers are written with a period
// whatever the locale.
int runHeadless(const CommandLine &command, QTextStream &out, QTextStream &err);

// For main(), before any application object exists: answers what the
// arguments ask for on standard output and standard error and returns the
// exit status, or returns nothing when the windows are to open.
std::optional<int> runCommandLine(int argc, char *argv[]);

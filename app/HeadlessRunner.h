#pragma once

#include <optional>

class QTextStream;
struct HeadlessCommand;

// Exit statuses of the commands that run without windows.
enum ExitStatus : int {
    exitDone = 0,
    exitRejected = 1,  // a value the computation rejects, or no chart
    exitWrongUsage = 2,
};

// Carries out a command of the command line other than opening the windows:
// results go to out; a rejection's message, alone on its line, or the usage
// go to err. Numbers are written with a period whatever the locale.
int runHeadless(const HeadlessCommand &command, QTextStream &out, QTextStream &err);

// For main(), before any application object exists: runs the command that
// the arguments ask for on standard output and standard error and returns
// its exit status, or returns nothing when the windows are to open.
std::optional<int> runCommandLine(int argc, char *argv[]);

#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. It is read before the application object
// exists, so that the requests answered on the terminal need no display.
struct CommandLine {
    enum class Request { OpenWindows, ShowHelp, ShowVersion, Misuse };

    Request request = Request::OpenWindows;
    // For Misuse: the line that says which argument is wrong.
    QString complaint;
};

// The exit status after a Misuse, as for any program used the wrong way.
inline constexpr int misuseExitStatus = 2;

// Reads the arguments that follow the program name. No argument opens the
// windows; one known option asks for its text; anything else is a Misuse.
CommandLine parseCommandLine(const QStringList &arguments);

// "--help": the usage, one line per option.
QString usageText();
// "--version": name, version and licence.
QString versionText();

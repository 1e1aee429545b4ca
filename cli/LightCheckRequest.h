#pragma once

class QTextStream;
struct CommandLine;

// --verificar: traces the computed cut and the classic ones and writes the
// comparison as CSV to out, or why there is none to err. Returns the exit
// status.
int checkLight(const CommandLine &command, QTextStream &out, QTextStream &err);

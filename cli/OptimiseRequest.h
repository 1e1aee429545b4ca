#pragma once

class QTextStream;
struct CommandLine;

// --optimizar: searches for the brightest round brilliant of the material and
// writes it to out as one row of --verificar's CSV, named "Optimizada", with
// its recipe after it when asked; or why there is none to err. Returns the
// exit status.
int optimiseCut(const CommandLine &command, QTextStream &out, QTextStream &err);

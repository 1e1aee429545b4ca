#pragma once

class QTextStream;
struct CommandLine;

// Answers "--receta": the cutting recipe of the round brilliant that the cut
// for IR, D and épsilon gives, as a table with the stone's measures and
// weight, or as CSV. Returns the exit status.
int writeRecipe(const CommandLine &command, QTextStream &out, QTextStream &err);

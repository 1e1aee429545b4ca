#pragma once

#include <QString>

class QTextStream;
struct CommandLine;
struct ComputePlan;

// "--exportar": the cut sheet of a computed cut as the window saves it, its
// recipe cut with the choices, gear and density given and, with
// "--verificacion", the page of the light check traced as --verificar traces
// it, its progress on err. Returns why it was not written, or an empty
// string.
QString exportCutSheet(const CommandLine &command, const ComputePlan &plan, QTextStream &err);

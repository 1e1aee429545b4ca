#pragma once

#include "drawing/CutSheet.h"

#include <QString>

class CanvasWidget;
class Cuadro;
class MessageSink;
class PrintDialog;

// The menu of the drawing areas: the drawing clicked, or the cut sheet of
// the cut they show.

// "Copiar imagen": puts the drawing of area on the clipboard as it shows
// it, with what it shows in words (Picture1's eight results) as text.
void copyDrawing(const CanvasWidget &area);

// "Guardar hoja de corte…": the save dialog proposes hoja-de-corte-IR.pdf in
// folder (empty: the dialog's own) and remembers there the folder of the
// name chosen. The sheet is written in the format of the name's extension; a
// name without one takes the chosen type's (the dialog asks before replacing
// that file), one with another is refused, as on the command line. A cancelled dialog writes
// nothing; a file that cannot be written is reported.
void saveSheet(Cuadro &cuadro, const CutSheetContent &content, MessageSink &messages,
               QString &folder);

// "Imprimir hoja de corte…": prints the sheet, every page or the recipe's, on
// the printer the user chooses. A cancelled dialog prints nothing; a printer that cannot start
// is reported.
void printSheet(PrintDialog &dialog, const CutSheetContent &content, MessageSink &messages,
                SheetPages pages = SheetPages::all);

// What printSheet reports when the printer cannot start.
QString cannotPrintMessage();

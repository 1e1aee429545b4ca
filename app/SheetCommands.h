#pragma once

#include <QString>

class Cuadro;
class MessageSink;
class PrintDialog;
struct CutSheetContent;

// The menu of the drawing areas, for the cut they show: each command makes
// the cut sheet of it.

// "Copiar imagen": puts the sheet on the clipboard as an image.
void copySheetImage(const CutSheetContent &content);

// "Guardar imagen…": writes the sheet under the chosen name, as PNG, SVG or
// PDF as its extension says; a name without one of these takes the chosen
// type's. A cancelled dialog writes nothing; a file that cannot be written
// is reported.
void saveSheetImage(Cuadro &cuadro, const CutSheetContent &content, MessageSink &messages);

// "Imprimir…": prints the sheet, both pages, on the printer the user chooses.
// A cancelled dialog prints nothing; a printer that cannot start is reported.
void printSheet(PrintDialog &dialog, const CutSheetContent &content, MessageSink &messages);

inline const QString cannotPrintMessage = QStringLiteral(
    "No se pudo imprimir la hoja de corte. Compruebe que la impresora está conectada y "
    "preparada.");

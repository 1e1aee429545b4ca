#pragma once

#include "files/Cuadro.h"

#include <QString>

struct CutSheetContent;

// The cut sheet as a file, in the format that the name's extension gives, in
// any case: .pdf (a page in A4 for each of the sheet's pages), .svg (a
// drawing of the A4 pages one above the other) or .png (an image of them).
// One table in CutSheetFile.cpp lists the formats; the save dialog, the
// writer, the command line and the messages all read it.

// The resolution of a PNG sheet.
inline constexpr int cutSheetImageDpi = 300;

// The save dialog's file types, one per format, in the table's order; each
// completes a name typed without an extension with its own.
FileTypes cutSheetFileTypes();

// The extensions as a sentence lists them: ".pdf, .svg o .png".
QString cutSheetExtensions();

// Whether fileName ends in one of the extensions.
bool isCutSheetFileName(const QString &fileName);

// Writes the sheet under fileName, whole or not at all, like a parameter
// file. Returns the message that says why it could not be written, an
// unknown extension included, or an empty string.
[[nodiscard]] QString writeCutSheet(const QString &fileName, const CutSheetContent &content);

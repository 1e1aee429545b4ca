#pragma once

#include <QString>

struct CutSheetContent;

// The cut sheet as a file, in the format that the name's extension gives, in
// any case: .pdf (a page in A4 for each of the sheet's pages), .svg (a
// drawing of the A4 pages one above the other) or .png (an image of them).

// The resolution of a PNG sheet and of the sheet copied as an image.
inline constexpr int cutSheetImageDpi = 300;

// Whether fileName ends in one of the three extensions.
bool isCutSheetFileName(const QString &fileName);

// Writes the sheet under fileName, whole or not at all, like a parameter
// file. Returns the message that says why it could not be written, an
// unknown extension included, or an empty string.
[[nodiscard]] QString writeCutSheet(const QString &fileName, const CutSheetContent &content);

#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1252 code page, one byte per character, in which parameter files
// have always been written. It agrees with Latin-1 except for 0x80..0x9F,
// where it holds the euro sign, typographic quotes, dashes and a few letters.
namespace Windows1252 {

// Each character becomes one byte; a character the code page cannot hold
// becomes "?".
QByteArray encode(const QString &text);

// Each byte becomes one character. The five bytes the code page leaves
// undefined map to the control characters of the same value, so that any file
// decodes and encodes back to the same bytes.
QString decode(const QByteArray &bytes);

}  // namespace Windows1252

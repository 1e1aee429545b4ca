#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a parameter file. The program writes the Windows-1252 code
// page, one byte per character, as it always has; it reads that too, and the
// UTF-8 that today's text editors save.
namespace TextEncoding {

// Each character becomes one Windows-1252 byte; a character the code page
// cannot hold becomes "?".
[[nodiscard]] QByteArray encode(const QString &text);

// Valid UTF-8 with at least one byte beyond ASCII is read as UTF-8, without a
// leading byte order mark; anything else, a sequence cut short at the end
// included, as Windows-1252, so that any file
// opens, and one byte per character decodes and encodes back to the same
// bytes.
[[nodiscard]] QString decode(const QByteArray &bytes);

}  // namespace TextEncoding

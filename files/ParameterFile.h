#pragma once

#include <QString>

#include <optional>

// The parameter file: the three input texts of the main window, each after its
// field label, run together with no line end, one byte per character in the
// Windows-1252 code page. The labels change once a main window has opened a
// file, so the program's files come in two layouts, either of which it reads
// back; anything else is only shown.
namespace ParameterFile {

// The field labels written before the IR, D and épsilon texts.
struct FieldLabels {
    QString ir;
    QString d;
    QString eps;
};

// Before the first open of a main window.
inline const FieldLabels initialLabels{QStringLiteral("  IR="), QStringLiteral("  D="),
                                       QStringLiteral("  eps.=")};
// From the first open on.
inline const FieldLabels openedLabels{QStringLiteral("IR= "), QStringLiteral("  D= "),
                                      QStringLiteral("  eps= ")};

// The three input texts, as typed.
struct Values {
    QString ir;
    QString d;
    QString eps;
};

// The text of a parameter file: each value after its label, in the order IR,
// D, épsilon.
[[nodiscard]] QString textOf(const FieldLabels &labels, const Values &values);

// The values of a text in one of the program's two layouts, exactly as
// written, or nothing for any other text. A value runs up to the next label,
// and none holds a line end, which the program never writes.
[[nodiscard]] std::optional<Values> valuesOf(const QString &text);

// A parameter file is a few dozen bytes; anything larger than this is some
// other file picked by mistake. The reference line lays out its whole text,
// which takes time in proportion to its length: at this size the window
// shows it within a tenth of a second (bench/bench_openfile).
constexpr qint64 maxSize = 128 * 1024;

// The text of a file, or the message that says why it could not be read.
struct ReadOutcome {
    QString text;
    QString error;  // empty when the file was read

    bool ok() const { return error.isEmpty(); }
};

// Reads the whole file, line ends and all.
[[nodiscard]] ReadOutcome read(const QString &fileName);

// Writes text under exactly fileName, replacing an existing file only once the
// whole text is written. Returns the message that says why it could not be
// written, or an empty string; on failure an existing file is left untouched,
// except one written in place because its folder is read-only.
[[nodiscard]] QString write(const QString &fileName, const QString &text);

}  // namespace ParameterFile

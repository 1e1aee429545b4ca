#pragma once

#include <QString>

// The parameter file: the three input texts of the main window, each after its
// field label, run together with no line end, one byte per character in the
// Windows-1252 code page. Opening shows the whole text; it is never parsed.
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

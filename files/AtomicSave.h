#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes under exactly fileName, replacing an existing file only once
// all of them are written. Returns the message that says why the file could
// not be written, or an empty string; on failure an existing file is left
// untouched, except one written in place because its folder is read-only.
[[nodiscard]] QString saveAtomically(const QString &fileName, const QByteArray &bytes);

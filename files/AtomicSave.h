#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes under exactly fileName, replacing an existing file only once
// all of them are written. Returns the message that says why the file could
// not be written, or an empty string; on failure an existing file is left
// untouched. In a read-only folder an existing file is written in place once
// the disk has reserved room for all the bytes: only a device that fails
// during the write can leave it incomplete.
[[nodiscard]] QString saveAtomically(const QString &fileName, const QByteArray &bytes);

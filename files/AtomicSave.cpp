#include "files/AtomicSave.h"

#include "files/FileMessages.h"

#include <fcntl.h>
#include <unistd.h>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Overwrites an existing file where its folder allows no other file beside
// it. The disk must first give the file room for every byte, so that a full
// disk or the size limit leaves the old contents as they were; only a write
// that fails once begun (a failing device) leaves it incomplete.
QString saveInPlace(const QString &fileName, const QByteArray &bytes) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return FileMessages::cannotSave(fileName);
    const qint64 oldSize = file.size();
    if (!bytes.isEmpty() && ::posix_fallocate(file.handle(), 0, bytes.size()) != 0) {
        // A failed reservation may have lengthened the file with zeros.
        file.resize(oldSize);
        return FileMessages::cannotSave(fileName);
    }
    if (file.write(bytes) == bytes.size() && file.flush() && file.resize(bytes.size()))
        return {};
    return FileMessages::cannotFinishSaving(fileName);
}

// Whether the program may add a file to the folder, by its effective rights
// (QFileInfo asks with the real ones).
bool mayAddFilesTo(const QString &folder) {
    return ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK, AT_EACCESS) == 0;
}

}  // namespace

QString saveAtomically(const QString &fileName, const QByteArray &bytes) {
    const QFileInfo info(fileName);
    if (info.isDir())
        return FileMessages::isFolder(fileName);
    // QSaveFile would put a file in place of a device or FIFO.
    if (info.exists() && !info.isFile())
        return FileMessages::isSpecialFile(fileName);
    if (info.exists() && !mayAddFilesTo(info.absolutePath()))
        return saveInPlace(fileName, bytes);

    // QSaveFile writes to a temporary file beside the target and renames it
    // over the target only in commit(), so a failure leaves the old file whole.
    QSaveFile file(fileName);
    // The buffered bytes reach the file in flush(); commit() would rename a
    // file cut short by a failed flush over the target all the same. A write
    // that stops short, at the file size limit, reports no error of its own.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
        file.commit())
        return {};
    return FileMessages::cannotSave(fileName);
}

#include "files/AtomicSave.h"

#include "files/FileMessages.h"

#include <sys/stat.h>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Whether file writes into fileName itself rather than into a temporary file
// that replaces it once complete.
bool writesInPlace(const QSaveFile &file, const QString &fileName) {
    struct stat opened {};
    struct stat target {};
    return ::fstat(file.handle(), &opened) == 0 &&
           ::stat(QFile::encodeName(fileName).constData(), &target) == 0 &&
           opened.st_dev == target.st_dev && opened.st_ino == target.st_ino;
}

}  // namespace

QString saveAtomically(const QString &fileName, const QByteArray &bytes) {
    const QFileInfo info(fileName);
    if (info.isDir())
        return FileMessages::isFolder(fileName);
    // QSaveFile would put a file in place of a device or FIFO or, in a
    // read-only folder, write into it, waiting for a FIFO's reader.
    if (info.exists() && !info.isFile())
        return FileMessages::isSpecialFile(fileName);

    // QSaveFile writes to a temporary file beside the target and renames it
    // over the target only in commit(), so a failure leaves the old file whole.
    // Where the folder forbids the temporary file, an existing file the user
    // may write is written in place instead.
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return FileMessages::cannotSave(fileName);
    const bool inPlace = writesInPlace(file, fileName);
    // The buffered bytes reach the file in flush(); commit() would rename a
    // file cut short by a failed flush over the target all the same. A write
    // that stops short, at the file size limit, reports no error of its own.
    if (file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return {};
    return inPlace ? FileMessages::cannotFinishSaving(fileName)
                   : FileMessages::cannotSave(fileName);
}

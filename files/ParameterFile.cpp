#include "files/ParameterFile.h"

#include "files/AtomicSave.h"
#include "files/FileMessages.h"
#include "files/Windows1252.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>

namespace ParameterFile {

namespace {

// Why fileName cannot be read at all, judged before opening it: opening a
// FIFO would wait for some other program to write to it, and opening a
// device may act on it.
QString unreadableReason(const QString &fileName) {
    const QFileInfo info(fileName);
    if (!info.exists())
        return FileMessages::missing(fileName);
    if (info.isDir())
        return FileMessages::isFolder(fileName);
    if (!info.isFile())
        return FileMessages::isSpecialFile(fileName);
    if (info.size() > maxSize)
        return FileMessages::tooLarge(fileName, maxSize / 1024);
    return {};
}

bool isRegularFile(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

// Opens fileName for reading, refusing anything but a regular file. Should a
// FIFO have taken the checked file's place since, O_NONBLOCK keeps open()
// from waiting for a writer, and it is refused all the same.
QString openRegularFile(QFile &file, const QString &fileName) {
    const int fd =
        ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FileMessages::cannotOpen(fileName);
    if (!isRegularFile(fd)) {
        ::close(fd);
        return FileMessages::isSpecialFile(fileName);
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileMessages::cannotOpen(fileName);
    }
    return {};
}

}  // namespace

ReadOutcome read(const QString &fileName) {
    if (QString reason = unreadableReason(fileName); !reason.isEmpty())
        return {{}, reason};

    QFile file;
    if (QString reason = openRegularFile(file, fileName); !reason.isEmpty())
        return {{}, reason};
    // One byte more than allowed tells a file that grew since from one that fits.
    const QByteArray bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, FileMessages::cannotRead(fileName)};
    if (bytes.size() > maxSize)
        return {{}, FileMessages::tooLarge(fileName, maxSize / 1024)};
    return {Windows1252::decode(bytes), {}};
}

QString write(const QString &fileName, const QString &text) {
    return saveAtomically(fileName, Windows1252::encode(text));
}

}  // namespace ParameterFile

#include "files/ParameterFile.h"

#include "files/AtomicSave.h"
#include "files/FileMessages.h"
#include "files/TextEncoding.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

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
    if (fd < 0) {
        // A socket that has taken the checked file's place cannot be opened at
        // all (ENXIO), whatever its permissions.
        return errno == ENXIO ? FileMessages::isSpecialFile(fileName)
                              : FileMessages::cannotOpen(fileName);
    }
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

// The values of text written with labels, or nothing when it is not.
std::optional<Values> valuesOf(const QString &text, const FieldLabels &labels) {
    if (!text.startsWith(labels.ir))
        return std::nullopt;
    const qsizetype d = text.indexOf(labels.d, labels.ir.size());
    if (d < 0)
        return std::nullopt;
    const qsizetype eps = text.indexOf(labels.eps, d + labels.d.size());
    if (eps < 0)
        return std::nullopt;
    const auto between = [&text](qsizetype from, qsizetype to) {
        return text.mid(from, to - from);
    };
    return Values{between(labels.ir.size(), d), between(d + labels.d.size(), eps),
                  text.mid(eps + labels.eps.size())};
}

}  // namespace

QString textOf(const FieldLabels &labels, const Values &values) {
    return labels.ir + values.ir + labels.d + values.d + labels.eps + values.eps;
}

std::optional<Values> valuesOf(const QString &text) {
    if (text.contains(u'\n') || text.contains(u'\r'))
        return std::nullopt;
    for (const FieldLabels &labels : {initialLabels, openedLabels}) {
        if (std::optional<Values> values = valuesOf(text, labels))
            return values;
    }
    return std::nullopt;
}

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
    return {TextEncoding::decode(bytes), {}};
}

QString write(const QString &fileName, const QString &text) {
    return saveAtomically(fileName, TextEncoding::encode(text));
}

}  // namespace ParameterFile

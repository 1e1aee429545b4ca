#include "files/ParameterFile.h"

#include "files/FileMessages.h"
#include "files/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ParameterFile {

namespace {

// Why fileName cannot be read at all, judged before opening it.
QString unreadableReason(const QString &fileName) {
    const QFileInfo info(fileName);
    if (!info.exists())
        return FileMessages::missing(fileName);
    if (info.isDir())
        return FileMessages::isFolder(fileName);
    if (info.size() > maxSize)
        return FileMessages::tooLarge(fileName, maxSize / 1024);
    return {};
}

}  // namespace

ReadOutcome read(const QString &fileName) {
    if (QString reason = unreadableReason(fileName); !reason.isEmpty())
        return {{}, reason};

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, FileMessages::cannotOpen(fileName)};
    // One byte more than allowed tells a file that grew since, or a device
    // without a size, from one that fits.
    const QByteArray bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, FileMessages::cannotRead(fileName)};
    if (bytes.size() > maxSize)
        return {{}, FileMessages::tooLarge(fileName, maxSize / 1024)};
    return {Windows1252::decode(bytes), {}};
}

QString write(const QString &fileName, const QString &text) {
    if (QFileInfo(fileName).isDir())
        return FileMessages::isFolder(fileName);

    // QSaveFile writes to a temporary file beside the target and renames it
    // over the target only in commit(), so a failure leaves the old file whole.
    QSaveFile file(fileName);
    const QByteArray bytes = Windows1252::encode(text);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    return written ? QString() : FileMessages::cannotSave(fileName);
}

}  // namespace ParameterFile

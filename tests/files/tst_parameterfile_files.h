#pragma once

#include <sys/stat.h>
#include <QFile>
#include <QTest>

// Real files for the parameter-file tests.

inline QByteArray contentsOf(const QString &fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void createFile(const QString &fileName, const QByteArray &bytes) {
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A named pipe: opening it to read waits until some program opens it to write.
inline void createFifo(const QString &fileName) {
    QCOMPARE(::mkfifo(QFile::encodeName(fileName).constData(), 0600), 0);
}

// A Unix socket's name, where no program listens.
inline void createSocket(const QString &fileName) {
    QCOMPARE(::mknod(QFile::encodeName(fileName).constData(), S_IFSOCK | 0600, 0), 0);
}

// A name just short of the file system's limit of 255 bytes: the file itself
// can exist, but no temporary file with a longer name can be made beside it,
// so replacing it fails before the first byte is written, even for root.
inline QString nameAtTheLimit() {
    return QString(250, u'g');
}

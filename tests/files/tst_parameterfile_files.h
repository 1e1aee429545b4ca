#pragma once

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
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

// Tells whether a file was opened while the watch lived, by anyone: a FIFO
// opened lets a writer waiting on it through, and a device opened may act.
class OpenWatch {
public:
    explicit OpenWatch(const QString &fileName)
        : m_inotify(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)),
          m_watch(
              ::inotify_add_watch(m_inotify, QFile::encodeName(fileName).constData(), IN_OPEN)) {}
    ~OpenWatch() { ::close(m_inotify); }
    OpenWatch(const OpenWatch &) = delete;
    OpenWatch &operator=(const OpenWatch &) = delete;

    bool isWatching() const { return m_watch >= 0; }
    bool opened() const {
        char events[4096];
        return ::read(m_inotify, events, sizeof events) > 0;
    }

private:
    int m_inotify;
    int m_watch;
};

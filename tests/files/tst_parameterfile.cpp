#include "files/ParameterFile.h"
#include "files/TextEncoding.h"
#include "tst_parameterfile_files.h"
#include "tst_parameterfile_limits.h"

#include <sys/sysmacros.h>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace {

const QString isSpecialFile =
    QStringLiteral("\"%1\" es un dispositivo, una tubería o un socket del sistema, no un archivo.");
const QString cannotSave = QStringLiteral(
    "No se pudo guardar el archivo \"%1\". Compruebe que la carpeta existe, que tiene permiso "
    "para escribir en ella y que hay espacio en el disco. Si el archivo ya existía, no se ha "
    "modificado.");

}  // namespace

class TestParameterFile : public QObject {
    Q_OBJECT

private slots:
    void encodesOneBytePerCharacter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("ASCII") << QStringLiteral("  IR=2.419") << QByteArray("  IR=2.419");
        QTest::newRow("Latin-1 letters")
            << QStringLiteral("éñÁü") << QByteArray("\xE9\xF1\xC1\xFC");
        QTest::newRow("ordinal sign") << QStringLiteral("10º") << QByteArray("10\xBA");
        QTest::newRow("euro sign") << QStringLiteral("5€") << QByteArray("5\x80");
        QTest::newRow("typographic quotes and dashes")
            << QStringLiteral("‘’“”–—…") << QByteArray("\x91\x92\x93\x94\x96\x97\x85");
        QTest::newRow("letters of 0x80..0x9F")
            << QStringLiteral("ŠšŽžŒœŸƒ") << QByteArray("\x8A\x9A\x8E\x9E\x8C\x9C\x9F\x83");
        QTest::newRow("line ends") << QStringLiteral("a\r\nb\n") << QByteArray("a\r\nb\n");
        QTest::newRow("empty") << QString() << QByteArray();
    }
    void encodesOneBytePerCharacter() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(TextEncoding::encode(text), bytes);
        QCOMPARE(TextEncoding::decode(bytes), text);
    }

    void writesQuestionMarkForWhatTheCodePageCannotHold_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("Greek") << QStringLiteral("Ω=2") << QByteArray("?=2");
        QTest::newRow("CJK") << QStringLiteral("a中b") << QByteArray("a?b");
        // One character outside the 16-bit range, two UTF-16 units.
        QTest::newRow("emoji") << QStringLiteral("1💎2") << QByteArray("1?2");
        // The euro sign has its own byte; U+0080 has none.
        QTest::newRow("control U+0080") << QStringLiteral("\u0080") << QByteArray("?");
    }
    void writesQuestionMarkForWhatTheCodePageCannotHold() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(TextEncoding::encode(text), bytes);
    }

    // UTF-8 is told from Windows-1252 on the whole text, its last byte too.
    void decidesTheEncodingOnTheWholeText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");

        QTest::newRow("ASCII") << QByteArray("IR=2.419") << QStringLiteral("IR=2.419");
        QTest::newRow("valid UTF-8") << QByteArray("rub\xC3\xAD") << QStringLiteral("rubí");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBFIR") << QStringLiteral("IR");
        QTest::newRow("1252 letter in the middle")
            << QByteArray("caf\xE9s") << QStringLiteral("cafés");
        QTest::newRow("1252 letter last") << QByteArray("caf\xE9") << QStringLiteral("café");
        QTest::newRow("1252 ñ last") << QByteArray("a\xF1") << QStringLiteral("añ");
        // Not UTF-8 as a whole: every byte is a 1252 character.
        QTest::newRow("truncated UTF-8 sequence last")
            << QByteArray("rub\xC3\xAD\xC3") << QStringLiteral("rub\u00C3\u00AD\u00C3");
    }
    void decidesTheEncodingOnTheWholeText() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextEncoding::decode(bytes), text);
    }

    void everyByteSurvivesDecodeAndEncode() {
        QByteArray allBytes;
        for (int value = 0; value < 256; ++value)
            allBytes.append(char(value));
        const QString text = TextEncoding::decode(allBytes);
        QCOMPARE(text.size(), 256);
        QCOMPARE(TextEncoding::encode(text), allBytes);
    }

    void readsAFileThroughALink() {
        QTemporaryDir dir;
        createFile(dir.filePath(QStringLiteral("gema.txt")), "  IR=2.42");
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gema.txt")),
                            dir.filePath(QStringLiteral("enlace"))));
        const ParameterFile::ReadOutcome outcome =
            ParameterFile::read(dir.filePath(QStringLiteral("enlace")));
        QCOMPARE(outcome.error, QString());
        QCOMPARE(outcome.text, QStringLiteral("  IR=2.42"));
    }

    void refusesWhatCannotBeRead_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");

        QTest::newRow("missing file")
            << "falta.txt" << QStringLiteral("No se encuentra el archivo \"%1\".");
        QTest::newRow("missing folder")
            << "no/hay/gema.txt" << QStringLiteral("No se encuentra el archivo \"%1\".");
        QTest::newRow("folder") << "carpeta"
                                << QStringLiteral("\"%1\" es una carpeta, no un archivo.");
        QTest::newRow("too large")
            << "video.avi"
            << QStringLiteral(
                   "El archivo \"%1\" es demasiado grande para ser un archivo de parámetros "
                   "(más de 128 KB).");
        QTest::newRow("too large, %1 in its name")
            << "video%1.avi"
            << QStringLiteral(
                   "El archivo \"%1\" es demasiado grande para ser un archivo de parámetros "
                   "(más de 128 KB).");
        // Each would block in open() until some program wrote to it.
        QTest::newRow("FIFO") << "tuberia" << isSpecialFile;
        QTest::newRow("link to a FIFO") << "enlace" << isSpecialFile;
        QTest::newRow("socket") << "socket" << isSpecialFile;
    }
    void refusesWhatCannotBeRead() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("carpeta")));
        for (const QString &video : {QStringLiteral("video.avi"), QStringLiteral("video%1.avi")})
            createFile(dir.filePath(video), QByteArray(ParameterFile::maxSize + 1, '\0'));
        createFifo(dir.filePath(QStringLiteral("tuberia")));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("tuberia")),
                            dir.filePath(QStringLiteral("enlace"))));
        createSocket(dir.filePath(QStringLiteral("socket")));

        const QString fileName = dir.filePath(name);
        const ParameterFile::ReadOutcome outcome = ParameterFile::read(fileName);
        QVERIFY(!outcome.ok());
        QCOMPARE(outcome.error, message.arg(fileName));
        QCOMPARE(outcome.text, QString());
    }

    // Each is refused from its name, never opened.
    void refusesSpecialFilesUnopened_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to a FIFO") << "link";
        QTest::newRow("pipe under /proc") << "proc";
        QTest::newRow("device") << "device";
    }
    void refusesSpecialFilesUnopened() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("tuberia"));
        createFifo(fifo);
        QVERIFY(QFile::link(fifo, dir.filePath(QStringLiteral("enlace"))));
        int pipeEnds[2];
        QCOMPARE(::pipe(pipeEnds), 0);
        const auto closePipe = qScopeGuard([&pipeEnds] {
            ::close(pipeEnds[0]);
            ::close(pipeEnds[1]);
        });
        const QString device = dir.filePath(QStringLiteral("nulo"));
        if (kind == "device" &&
            ::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            QSKIP("only root can make a device");

        const QString fileName = kind == "fifo"   ? fifo
                                 : kind == "link" ? dir.filePath(QStringLiteral("enlace"))
                                 : kind == "proc"
                                     ? QStringLiteral("/proc/self/fd/%1").arg(pipeEnds[0])
                                     : device;
        const OpenWatch watch(fileName);
        QVERIFY(watch.isWatching());
        QCOMPARE(ParameterFile::read(fileName).error, isSpecialFile.arg(fileName));
        QVERIFY(!watch.opened());
    }

    void refusesSystemFiles_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("message");

        QTest::newRow("endless device") << "/dev/zero" << isSpecialFile.arg("/dev/zero");
        QTest::newRow("empty device") << "/dev/null" << isSpecialFile.arg("/dev/null");
        // A regular file that reports no size and cannot be read from its start.
        QTest::newRow("read fails")
            << "/proc/self/mem" << QStringLiteral("No se pudo leer el archivo \"/proc/self/mem\".");
        // Megabytes that report no size.
        QTest::newRow("too large, no size") << "/proc/kallsyms"
                                            << QStringLiteral(
                                                   "El archivo \"/proc/kallsyms\" es "
                                                   "demasiado grande para ser un archivo "
                                                   "de parámetros (más de 128 KB).");
    }
    void refusesSystemFiles() {
        QFETCH(QString, fileName);
        QFETCH(QString, message);
        if (!QFile::exists(fileName))
            QSKIP("this system has no such file");
        QCOMPARE(ParameterFile::read(fileName).error, message);
    }

    void refusesAFileWithoutReadPermission() {
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("secreto.txt"));
        createFile(fileName, "  IR=2.42");
        QVERIFY(QFile::setPermissions(fileName, QFile::WriteOwner));
        const PermissionsEnforced enforced;
        QCOMPARE(ParameterFile::read(fileName).error,
                 QStringLiteral("No se puede abrir el archivo \"%1\". Compruebe que tiene "
                                "permiso para leerlo.")
                     .arg(fileName));
    }

    void refusesWhatCannotBeWritten_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");

        QTest::newRow("folder") << "carpeta"
                                << QStringLiteral("\"%1\" es una carpeta, no un archivo.");
        QTest::newRow("missing folder") << "no/hay/gema.txt" << cannotSave;
        QTest::newRow("under a regular file") << "archivo.txt/gema.txt" << cannotSave;
        // Renamed over, it would become a file; written into, it could block.
        QTest::newRow("FIFO") << "tuberia" << isSpecialFile;
    }
    void refusesWhatCannotBeWritten() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("carpeta")));
        createFile(dir.filePath(QStringLiteral("archivo.txt")), "x");
        createFifo(dir.filePath(QStringLiteral("tuberia")));

        const QString fileName = dir.filePath(name);
        QCOMPARE(ParameterFile::write(fileName, QStringLiteral("  IR=2.42")),
                 message.arg(fileName));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("carpeta"))).isDir());
        const QFileInfo fifo(dir.filePath(QStringLiteral("tuberia")));
        QVERIFY(fifo.exists() && !fifo.isFile());
        QCOMPARE(contentsOf(dir.filePath(QStringLiteral("archivo.txt"))), QByteArray("x"));
    }

    // The replacement cannot even be started beside the old file: the old
    // file keeps every byte, and no temporary file is left behind.
    void failedWriteLeavesTheOldFileIntact() {
        QTemporaryDir dir;
        const QString fileName = dir.filePath(nameAtTheLimit());
        const QByteArray old("  IR=2.419  D=10  eps.=10");
        createFile(fileName, old);

        QVERIFY(!ParameterFile::write(fileName, QStringLiteral("IR= 1.54")).isEmpty());
        QCOMPARE(contentsOf(fileName), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{nameAtTheLimit()});
    }

    // The new text goes to a temporary file that replaces the old one once
    // complete, so a write that fails leaves the old file whole. Where the
    // folder forbids that temporary file, the old file is written in place
    // once the disk has room for the new text: saving works, but a write
    // that fails after that leaves it part new, part old.
    void savesOverAnExistingFile_data() {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("left");

        const QByteArray saved("IR= 1.54  D= 8  eps= 12");
        QTest::newRow("folder") << false << false << QString() << saved;
        QTest::newRow("read-only folder") << true << false << QString() << saved;
        QTest::newRow("folder, disk full") << false << true << cannotSave << oldText;
        QTest::newRow("read-only folder, disk full")
            << true << true
            << QStringLiteral(
                   "No se pudo terminar de guardar el archivo \"%1\", que puede haber "
                   "quedado incompleto. Compruebe que hay espacio en el disco.")
            << saved.left(fullDiskSize) + oldText.mid(fullDiskSize);
    }
    void savesOverAnExistingFile() {
        QFETCH(bool, readOnlyFolder);
        QFETCH(bool, diskFull);
        QFETCH(QString, message);
        QFETCH(QByteArray, left);
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("gema.txt"));
        createFile(fileName, oldText);

        QString error;
        {
            const PermissionsEnforced enforced;
            if (readOnlyFolder)
                QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
            std::optional<FileSizeLimit> limit;
            if (diskFull)
                limit.emplace(fullDiskSize);
            error = ParameterFile::write(fileName, QStringLiteral("IR= 1.54  D= 8  eps= 12"));
        }
        QVERIFY(QFile::setPermissions(dir.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(error, message.isEmpty() ? message : message.arg(fileName));
        QCOMPARE(contentsOf(fileName), left);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("gema.txt")});
    }

private:
    const QByteArray oldText{"  IR=2.419  D=10  eps.=10"};
    static constexpr int fullDiskSize = 8;  // bytes a file may hold on the "full disk"
};

QTEST_GUILESS_MAIN(TestParameterFile)
#include "tst_parameterfile.moc"

// Times the open command on the real main window, from the command
// to the window painted with the file's text in the reference line:
// for a parameter file and for the largest file the command accepts, which
// must still show without a noticeable pause. Runs offscreen unless
// QT_QPA_PLATFORM says otherwise (e.g. xcb on Xvfb).

#include "OffscreenBenchmark.h"
#include "app/MessageSink.h"
#include "app/ParameterCommands.h"
#include "files/Cuadro.h"
#include "files/ParameterFile.h"
#include "windows/Form1.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

// size bytes of a text cycling through pattern.
QByteArray repeated(const QByteArray &pattern, qint64 size) {
    QByteArray bytes;
    bytes.reserve(size);
    while (bytes.size() < size)
        bytes.append(pattern.left(size - bytes.size()));
    return bytes;
}

// A file dialog that opens the file named, without asking.
class ChosenFile final : public Cuadro {
public:
    QString name;

protected:
    Answer askFileName(Mode, const FileTypes &, const QString &) override { return {name}; }
};

// The files opened are all accepted: no message is expected.
class NoMessages final : public MessageSink {
public:
    void showMessage(const QString &message) override { qFatal("%s", qPrintable(message)); }
};

QByteArray everyByteValue() {
    QByteArray bytes;
    for (int value = 0; value < 256; ++value)
        bytes.append(char(value));
    return bytes;
}

}  // namespace

class BenchOpenFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
    }

    void openAndPaint_data() {
        QTest::addColumn<QByteArray>("pattern");
        QTest::addColumn<qint64>("size");

        const QByteArray saved("IR= 2.419  D= 10  eps= 10");
        QTest::newRow("saved parameters") << saved << qint64(saved.size());
        QTest::newRow("letters at the limit") << saved << ParameterFile::maxSize;
        QTest::newRow("every byte value at the limit")
            << everyByteValue() << ParameterFile::maxSize;
    }
    // Two files of the same size opened by turns, so that every open changes
    // the text; the reference line is hidden before each, as after CALCULAR.
    void openAndPaint() {
        QFETCH(QByteArray, pattern);
        QFETCH(qint64, size);
        QTemporaryDir dir;
        const QString files[2]{dir.filePath(QStringLiteral("a")),
                               dir.filePath(QStringLiteral("b"))};
        for (const QString &fileName : files) {
            QFile file(fileName);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(repeated(pattern, size)), size);
            pattern.prepend('x');
        }

        int turn = 0;
        QBENCHMARK {
            m_window.showResultsHeading();
            m_cuadro.name = files[turn++ % 2];
            openParameterFile(m_cuadro, m_window, m_messages);
            m_window.repaint();
            QGuiApplication::sync();
        }
        QCOMPARE(m_window.findChild<QLineEdit *>(QStringLiteral("Text7"))->text().size(), size);
    }

private:
    Form1 m_window;
    ChosenFile m_cuadro;
    NoMessages m_messages;
};

int main(int argc, char *argv[]) {
    return runOffscreenBenchmark<QApplication, BenchOpenFile>(argc, argv);
}

#include "bench_openfile.moc"

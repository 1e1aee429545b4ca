// Checks that every picture of the program is embedded and stored in the
// kind and size its window expects.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

namespace {

// Bits per pixel as declared by the file itself: the BMP bit count, the size
// of the GIF's global palette as a power of two, or the JPEG's components
// times eight. The decoded QImage hides these, so the headers are read.
int storedBitsPerPixel(const QByteArray &file, const QByteArray &format) {
    const auto byteAt = [&file](qsizetype pos) { return quint8(file.at(pos)); };
    if (format == "bmp" && file.size() > 30)
        return qFromLittleEndian<quint16>(file.constData() + 28);
    if (format == "gif" && file.size() > 10) {
        const quint8 packed = byteAt(10);
        return (packed & 0x80) ? (packed & 0x07) + 1 : 0;
    }
    if (format == "jpeg") {
        // Walk the marker segments up to the start-of-frame header.
        for (qsizetype pos = 2; pos + 9 < file.size();
             pos += 2 + qFromBigEndian<quint16>(file.constData() + pos + 2)) {
            const quint8 marker = byteAt(pos + 1);
            if (marker >= 0xC0 && marker <= 0xC2)
                return byteAt(pos + 9) * 8;
        }
    }
    return 0;
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void picture_data();
    void picture();
};

void TestPictures::picture_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("bitsPerPixel");

    QTest::newRow("program icon") << ":/pictures/corvelux.bmp" << QByteArray("bmp") << QSize(70, 70)
                                  << 24;
    QTest::newRow("diamond button")
        << ":/pictures/diamante.bmp" << QByteArray("bmp") << QSize(59, 59) << 24;
    QTest::newRow("quartz button")
        << ":/pictures/cuarzo.gif" << QByteArray("gif") << QSize(105, 123) << 8;
    QTest::newRow("about picture")
        << ":/pictures/acercade.jpg" << QByteArray("jpeg") << QSize(102, 100) << 24;
}

void TestPictures::picture() {
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(int, bitsPerPixel);

    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = file.readAll();
    QCOMPARE(storedBitsPerPixel(bytes, format), bitsPerPixel);

    QImage image;
    QVERIFY(image.loadFromData(bytes, format.constData()));
    QCOMPARE(QImageReader::imageFormat(path), format);
    QCOMPARE(image.size(), size);
    QVERIFY(!image.hasAlphaChannel());
    QVERIFY(!image.isGrayscale());
}

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"

#include "windows/BitmapPicture.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

namespace {

qint32 field(const QByteArray &bytes, int offset) {
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

// The pixels of a bottom-up 24-bit BMP without compression, or a null image.
QImage decodeBitmap(const QByteArray &bytes) {
    constexpr int headerSize = 54;
    if (bytes.size() < headerSize || !bytes.startsWith("BM"))
        return {};
    const qint32 pixelsAt = field(bytes, 10);
    const qint32 width = field(bytes, 18);
    const qint32 height = field(bytes, 22);
    const quint16 bitsPerPixel = qFromLittleEndian<quint16>(bytes.constData() + 28);
    const qint32 compression = field(bytes, 30);
    const qsizetype rowBytes = (qsizetype(width) * 3 + 3) / 4 * 4;
    if (bitsPerPixel != 24 || compression != 0 || width <= 0 || height <= 0 ||
        pixelsAt < headerSize || bytes.size() < pixelsAt + rowBytes * height)
        return {};
    const auto *pixels = reinterpret_cast<const uchar *>(bytes.constData() + pixelsAt);
    // Rows are stored from the bottom up, blue first.
    return QImage(pixels, width, height, rowBytes, QImage::Format_BGR888).mirrored();
}

}  // namespace

QPixmap bitmapPicture(const QString &fileName) {
    QFile file(fileName);
    const QImage image = file.open(QIODevice::ReadOnly) ? decodeBitmap(file.readAll()) : QImage();
    return image.isNull() ? QPixmap(fileName) : QPixmap::fromImage(image);
}

#include "files/Windows1252.h"

#include <QList>

#include <array>

namespace {

// The characters of bytes 0x80..0x9F; the undefined bytes keep their own value.
constexpr std::array<char16_t, 32> upperControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};
constexpr unsigned rangeStart = 0x80;
constexpr unsigned rangeEnd = rangeStart + upperControlRange.size();
constexpr char unmappable = '?';

char encodeCodePoint(char32_t codePoint) {
    const bool latin1Only = codePoint < rangeStart || (codePoint >= rangeEnd && codePoint <= 0xFF);
    if (latin1Only)
        return static_cast<char>(codePoint);
    for (unsigned i = 0; i < upperControlRange.size(); ++i) {
        if (upperControlRange[i] == codePoint)
            return static_cast<char>(rangeStart + i);
    }
    return unmappable;
}

}  // namespace

namespace Windows1252 {

QByteArray encode(const QString &text) {
    // By code point, so that a character outside the 16-bit range (a
    // surrogate pair) becomes a single "?".
    const QList<uint> codePoints = text.toUcs4();
    QByteArray bytes;
    bytes.reserve(codePoints.size());
    for (const uint codePoint : codePoints)
        bytes.append(encodeCodePoint(codePoint));
    return bytes;
}

QString decode(const QByteArray &bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        const bool inRange = value >= rangeStart && value < rangeEnd;
        text.append(QChar(inRange ? upperControlRange[value - rangeStart] : char16_t(value)));
    }
    return text;
}

}  // namespace Windows1252

#include "files/TextEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <optional>
#include <string>

namespace {

constexpr const char *codePage = "windows-1252";
constexpr char unmappable = '?';
// What Qt's converter writes for a character the code page lacks.
constexpr char converterSubstitute = '\x1A';

bool isAscii(const QByteArray &bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// The whole of bytes as UTF-8, or nothing when they are not valid UTF-8.
// Stateless: a sequence left unfinished at the end is an error too, where a
// decoder waiting for more bytes would keep it back and drop it silently
// ("caf\xE9" read as "caf").
std::optional<QString> decodeUtf8(const QByteArray &bytes) {
    // Skips a byte order mark.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

}  // namespace

namespace TextEncoding {

QByteArray encode(const QString &text) {
    // By code point, so that a character outside the 16-bit range (a
    // surrogate pair) or a lone surrogate becomes a single byte.
    const std::u32string codePoints = text.toStdU32String();
    QStringEncoder encoder(codePage);
    QByteArray bytes = encoder.encode(QString::fromStdU32String(codePoints));
    // One byte per code point; the converter's substitute becomes "?", unless
    // it stands for the control character of its own value.
    for (std::size_t i = 0; i < codePoints.size() && qsizetype(i) < bytes.size(); ++i) {
        if (bytes.at(i) == converterSubstitute && codePoints[i] != char32_t(converterSubstitute))
            bytes[i] = unmappable;
    }
    return bytes;
}

QString decode(const QByteArray &bytes) {
    if (!isAscii(bytes)) {
        if (std::optional<QString> text = decodeUtf8(bytes))
            return *std::move(text);
    }
    QStringDecoder decoder(codePage);
    return decoder.decode(bytes);
}

}  // namespace TextEncoding

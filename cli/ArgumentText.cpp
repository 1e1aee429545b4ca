#include "cli/ArgumentText.h"

#include <QStringList>
#include <algorithm>

namespace {

constexpr qsizetype kLongest = 60;
constexpr qsizetype kEndKept = 19;  // of the characters left after the start and "…"

QString escaped(char32_t c) {
    switch (c) {
        case U'\n':
            return QStringLiteral("\\n");
        case U'\t':
            return QStringLiteral("\\t");
        case U'\r':
            return QStringLiteral("\\r");
        default:
            break;
    }
    switch (QChar::category(c)) {
        case QChar::Other_Control:
            return QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        default:
            return QString::fromUcs4(&c, 1);
    }
}

// Each character as shown, whole, so that shortening never splits one.
QStringList shownCharacters(const QString &argument) {
    QStringList shown;
    for (const char32_t c : argument.toUcs4())
        shown.append(escaped(c));
    return shown;
}

qsizetype lengthOf(const QStringList &pieces) {
    qsizetype length = 0;
    for (const QString &piece : pieces)
        length += piece.size();
    return length;
}

// The first pieces, or the last, that fit in room characters.
QString fitting(const QStringList &pieces, qsizetype room, bool fromTheEnd) {
    QStringList kept;
    qsizetype used = 0;
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        const QString &piece = pieces[fromTheEnd ? pieces.size() - 1 - k : k];
        if (used + piece.size() > room)
            break;
        used += piece.size();
        kept.append(piece);
    }
    if (fromTheEnd)
        std::reverse(kept.begin(), kept.end());
    return kept.join(QString());
}

}  // namespace

QString shownArgument(const QString &argument) {
    const QStringList pieces = shownCharacters(argument);
    if (lengthOf(pieces) <= kLongest)
        return pieces.join(QString());
    const qsizetype startKept = kLongest - 1 - kEndKept;
    return fitting(pieces, startKept, false) + u'…' + fitting(pieces, kEndKept, true);
}

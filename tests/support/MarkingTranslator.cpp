#include "tests/support/MarkingTranslator.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

constexpr QChar kOpen = u'⟦';
constexpr QChar kClose = u'⟧';

}  // namespace

MarkingTranslator::MarkingTranslator(QHash<QString, QString> replacements)
    : m_replacements(std::move(replacements)) {
    QCoreApplication::installTranslator(this);
}

MarkingTranslator::~MarkingTranslator() {
    QCoreApplication::removeTranslator(this);
}

QString MarkingTranslator::translate(const char *, const char *sourceText, const char *,
                                     int) const {
    const QString source = QString::fromUtf8(sourceText);
    return kOpen + m_replacements.value(source, source) + kClose;
}

namespace {

// text with each marked part, marks included, replaced by a blank: a marked
// text parts the words beside it.
QString withoutMarks(const QString &text) {
    QString left;
    int depth = 0;
    for (const QChar c : text) {
        if (c == kOpen) {
            if (depth++ == 0)
                left += u' ';
        } else if (c == kClose && depth > 0) {
            --depth;
        } else if (depth == 0) {
            left += c;
        }
    }
    return left;
}

}  // namespace

QStringList MarkingTranslator::unmarkedWords(const QString &text, const QStringList &allowed) {
    static const QRegularExpression nonLetters(QStringLiteral("[^\\p{L}]+"));
    QStringList words = withoutMarks(text).split(nonLetters, Qt::SkipEmptyParts);
    words.removeIf([&allowed](const QString &word) { return allowed.contains(word); });
    return words;
}

#include "tests/support/MarkingTranslator.h"

#include <QCoreApplication>

namespace {

constexpr QChar kOpen = u'⟦';
constexpr QChar kClose = u'⟧';

}  // namespace

MarkingTranslator::MarkingTranslator() {
    QCoreApplication::installTranslator(this);
}

MarkingTranslator::~MarkingTranslator() {
    QCoreApplication::removeTranslator(this);
}

QString MarkingTranslator::translate(const char *, const char *sourceText, const char *,
                                     int) const {
    return kOpen + QString::fromUtf8(sourceText) + kClose;
}

QString MarkingTranslator::unmarked(const QString &text) {
    QString left;
    int depth = 0;  // a translated text may hold others, put into its placeholders
    for (const QChar c : text) {
        if (c == kOpen)
            ++depth;
        else if (c == kClose && depth > 0)
            --depth;
        else if (depth == 0)
            left += c;
    }
    return left;
}

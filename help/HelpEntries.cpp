#include "help/HelpEntries.h"

#include <QCollator>
#include <QStringList>
#include <algorithm>

namespace {

// The text without accents, so that "angulo" finds "ángulo".
QString withoutAccents(const QString &text) {
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c);
    }
    return folded;
}

}  // namespace

QList<HelpEntry> parseHelpEntries(const QString &listText, const QUrl &base) {
    QList<HelpEntry> entries;
    const QStringList lines = listText.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString text = line.section(QLatin1Char('\t'), 0, 0).trimmed();
        const QString page = line.section(QLatin1Char('\t'), 1).trimmed();
        entries.append({text, base.resolved(QUrl(page))});
    }
    return entries;
}

QList<HelpEntry> sortedAlphabetically(QList<HelpEntry> entries) {
    QCollator collator;  // the default locale's: the program's language
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(),
                     [&collator](const HelpEntry &a, const HelpEntry &b) {
                         return collator.compare(a.text, b.text) < 0;
                     });
    return entries;
}

bool keywordMatches(const QString &keyword, const QString &typed) {
    return withoutAccents(keyword).contains(withoutAccents(typed.trimmed()), Qt::CaseInsensitive);
}

bool keywordBeginsWith(const QString &keyword, const QString &typed) {
    return withoutAccents(keyword).startsWith(withoutAccents(typed.trimmed()), Qt::CaseInsensitive);
}

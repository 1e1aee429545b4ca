#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// One line of a help list: the text the user sees and the page it leads to.
struct HelpEntry {
    QString text;
    QUrl target;

    bool operator==(const HelpEntry &other) const {
        return text == other.text && target == other.target;
    }
};

// Reads a help list: one entry per line, its text, a tab and its page (with
// an optional #anchor), relative to base. Empty lines and lines starting with
// '#' are skipped.
QList<HelpEntry> parseHelpEntries(const QString &listText, const QUrl &base);

// The entries in the alphabetical order of the program's language (the
// default QLocale's), ignoring case and accents.
QList<HelpEntry> sortedAlphabetically(QList<HelpEntry> entries);

// Whether an index keyword matches what the user typed in the filter field:
// the typed text occurs in the keyword, ignoring case and accents.
bool keywordMatches(const QString &keyword, const QString &typed);

// Whether an index keyword begins with what the user typed, ignoring case and
// accents: the entry Enter in the filter field chooses among the matches.
bool keywordBeginsWith(const QString &keyword, const QString &typed);

#pragma once

#include <QLocale>
#include <QStringList>

// The program speaks Spanish or English. These find the texts left in the
// other language, from a small table of words: a few that each language
// uses all the time and the other never, the Spanish letters and signs, and
// the words the same in both (names, units, symbols). Option names
// ("--receta") and words joined by hyphens ("con-fuego") are the program's
// own in both languages. The oracle flags leftovers; it does not prove a
// translation right.

// The words of text that give it away as not in language.
QStringList foreignWords(const QString &text, QLocale::Language language);

// Lists, as test output, every line of texts that holds foreign words, once,
// with those words; true when there is none.
bool noForeignLines(const QStringList &texts, QLocale::Language language);

// Lists every line of the English texts that the Spanish ones hold as it is,
// unless all its words are the same in both languages or it holds foreign
// words, which noForeignLines lists; true when there is none.
bool noUntranslatedLines(const QStringList &english, const QStringList &spanish);

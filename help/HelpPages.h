#pragma once

#include "help/HelpEntries.h"

#include <QList>
#include <QString>
#include <QUrl>

// The program's help as a book: its pages and its two lists, compiled into
// the program, in the language the program speaks (the default locale's):
// Spanish, or English for any other.

// The first page of the book.
QUrl helpContentsPage();

// The topics, in reading order.
QList<HelpEntry> helpTopics();

// The index keywords, unsorted: those of the index list, then the name of
// each material of the gem table.
QList<HelpEntry> helpKeywords();

// A page's HTML as the help window shows it: with the design's limits where
// it asks for them, and the gem table page with its table computed now. Any
// page of the resources is shown, in either language; an unknown page gives
// an empty text.
QString helpPageHtml(const QUrl &page);

#pragma once

#include <QString>

// An argument as a message about it shows it: a control character escaped
// as C writes it ("\n", "\t", "\x1b"; "\u202e" for an invisible format
// character), so that it can neither move the terminal's cursor nor hide,
// and an argument longer than 60 characters shortened in the middle to its
// start, "…" and its end.
QString shownArgument(const QString &argument);

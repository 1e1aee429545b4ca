#pragma once

#include <QString>
#include <QStringList>

// One CSV record (RFC 4180) ended by CR LF: the fields joined by commas, each
// within double quotes, its quotes doubled, when it holds a comma, a quote or
// a line break.
QString csvRecord(const QStringList &fields);

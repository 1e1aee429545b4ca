#pragma once

#include <QFileInfo>
#include <QString>
#include <cstddef>

// The entry of a table of file formats whose extension (lower case, without
// the dot) the name ends in, in any case; null when none is.
template <typename Format, std::size_t count>
const Format *formatOfName(const Format (&formats)[count], const QString &fileName) {
    const QString suffix = QFileInfo(fileName).suffix();
    for (const Format &format : formats) {
        if (suffix.compare(format.extension, Qt::CaseInsensitive) == 0)
            return &format;
    }
    return nullptr;
}

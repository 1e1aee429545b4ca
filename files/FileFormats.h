#pragma once

#include "files/Cuadro.h"
#include "stone/LimitText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QStringList>
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

// The extensions of a table of file formats as a sentence lists them:
// ".pdf, .svg o .png".
template <typename Format, std::size_t count>
QString extensionsText(const Format (&formats)[count]) {
    QStringList extensions;
    for (const Format &format : formats)
        extensions.append(QStringLiteral(".%1").arg(format.extension));
    return stone::alternativesText(extensions);
}

// The save dialog's file types of a table of file formats, their captions
// translated in context.
template <typename Format, std::size_t count>
FileTypes fileTypesOf(const char *context, const Format (&formats)[count]) {
    FileTypes types;
    for (const Format &format : formats)
        types.append({QCoreApplication::translate(context, format.caption),
                      QStringLiteral("*.%1").arg(format.extension), format.extension.toString()});
    return types;
}

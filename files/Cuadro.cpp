#include "files/Cuadro.h"

#include <QFileInfo>
#include <algorithm>

QString completedFileName(const QString &typed, const FileType &type) {
    const QString suffix = QFileInfo(typed).suffix();
    const bool hasExtension =
        std::any_of(suffix.cbegin(), suffix.cend(), [](QChar c) { return c.isLetter(); });
    if (hasExtension || type.extension.isEmpty())
        return typed;
    return QStringLiteral("%1.%2").arg(typed, type.extension);
}

bool Cuadro::show(Mode mode, const QString &proposed) {
    const Answer answer = askFileName(mode, m_fileTypes, proposed);
    if (answer.fileName.isEmpty())
        return false;
    const FileType selected = m_fileTypes.value(answer.fileTypeIndex);
    m_fileName =
        mode == Mode::Save ? completedFileName(answer.fileName, selected) : answer.fileName;
    m_fileTypeIndex = answer.fileTypeIndex;
    return true;
}

#include "files/Cuadro.h"

bool Cuadro::show(Mode mode, const QString &proposed) {
    const Answer answer = askFileName(mode, m_fileTypes, proposed);
    if (answer.fileName.isEmpty())
        return false;
    m_fileName = answer.fileName;
    m_fileTypeIndex = answer.fileTypeIndex;
    return true;
}

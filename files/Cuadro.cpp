#include "files/Cuadro.h"

bool Cuadro::show(Mode mode) {
    const QString chosen = askFileName(mode, m_fileTypes);
    if (chosen.isEmpty())
        return false;
    m_fileName = chosen;
    return true;
}

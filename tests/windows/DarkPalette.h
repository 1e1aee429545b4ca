#pragma once

#include <QPalette>

// A dark desktop colour scheme as Qt takes it from GNOME or KDE: dark faces,
// black fields and white text.
inline QPalette darkPalette() {
    return QPalette(QColor(0x31, 0x36, 0x3B));
}

#pragma once

#include <QPixmap>

class QString;

// A picture of the program's resources in the uncompressed 24-bit BMP format
// that its pictures are rendered in, read directly. Qt's image reader loads
// every image format plugin to ask whether it claims the file (the SVG one
// brings Qt Svg along), which for the splash picture would cost the start-up
// a twentieth of its time. Any other file is read by Qt's reader.
QPixmap bitmapPicture(const QString &fileName);

#include "drawing/CanvasFonts.h"

#include <QPaintDevice>
#include <QStringList>

namespace {

QFont fontFromFamilies(const QStringList &families, qreal pointSize) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

QFont arialFont(qreal pointSize) {
    return fontFromFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
                            pointSize);
}

QFont msSansSerifFont(qreal pointSize) {
    return fontFromFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
         QStringLiteral("Liberation Sans")},
        pointSize);
}

QFont fontInUnits(const QFont &font, qreal unitsPerInch, const QPaintDevice *device) {
    const qreal pointSize = font.pointSizeF();
    if (device == nullptr || pointSize <= 0 || device->logicalDpiY() == unitsPerInch)
        return font;
    QFont scaled(font);
    scaled.setPointSizeF(pointSize * unitsPerInch / device->logicalDpiY());
    return scaled;
}

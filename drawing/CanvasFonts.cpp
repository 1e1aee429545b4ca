#include "drawing/CanvasFonts.h"

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

#include "windows/LabelFitting.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// The stand-in faces measure a few texts up to a pixel wider than the boxes
// that the original faces filled exactly. Such a text stays on its line, as
// it did in the original face, instead of losing its last word to a second
// line that the box has no room to show.
bool overhangsByLessThanAPixel(const QLabel &label) {
    const qreal textWidth = QFontMetricsF(label.font()).horizontalAdvance(label.text());
    const qreal overhang = textWidth - label.contentsRect().width();
    return overhang > 0 && overhang < 1;
}

void makeRoomForAccents(QLabel &label) {
    const QFontMetricsF metrics(label.font());
    const qreal overshoot = -metrics.tightBoundingRect(label.text()).top() - metrics.ascent();
    const int room = qRound(overshoot);
    if (room > 0)
        label.setContentsMargins(0, room, 0, 0);
}

}  // namespace

void fitLabelsToText(QWidget &window) {
    // The style sheet of the form gives the labels their fonts when polished.
    window.ensurePolished();
    const QList<QLabel *> labels = window.findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->property("autoSize").toBool())
            widenToText(*label, 0);
        else
            label->setWordWrap(!overhangsByLessThanAPixel(*label));
        makeRoomForAccents(*label);
    }
}

void widenToText(QLabel &label, int minimumWidth) {
    const qreal textWidth = QFontMetricsF(label.font()).horizontalAdvance(label.text());
    label.resize(std::max(minimumWidth, static_cast<int>(std::ceil(textWidth))), label.height());
}

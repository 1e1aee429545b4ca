#include "windows/LabelFitting.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QWidget>

#include <cmath>

namespace {

void fitWidthToText(QLabel &label) {
    const qreal textWidth = QFontMetricsF(label.font()).horizontalAdvance(label.text());
    label.resize(static_cast<int>(std::ceil(textWidth)), label.height());
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
            fitWidthToText(*label);
        makeRoomForAccents(*label);
    }
}

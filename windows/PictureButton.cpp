#include "windows/PictureButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

PictureButton::PictureButton(QWidget *parent) : QPushButton(parent) {}

void PictureButton::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.icon = QIcon();  // the style would shrink it to the face
    painter.drawControl(QStyle::CE_PushButton, option);

    const QPixmap picture = icon().pixmap(iconSize(), devicePixelRatio());
    const QRect face = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    QRect target(QPoint(), picture.deviceIndependentSize().toSize());
    target.moveCenter(face.center());
    if (isDown()) {
        target.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                         style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.setClipRect(face);
    painter.drawPixmap(target.topLeft(), picture);
}

#include "windows/PictureArea.h"

#include <QPainter>

PictureArea::PictureArea(QWidget *parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureArea::setPicture(const QPixmap &picture) {
    m_picture = picture;
    update();
}

void PictureArea::paintEvent(QPaintEvent *event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawPixmap(contentsRect().topLeft(), m_picture);
}

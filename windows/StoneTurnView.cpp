#include "windows/StoneTurnView.h"

#include "drawing/StonePictures.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

namespace {

constexpr double degreesPerPixel = 0.5;
constexpr double degreesPerKey = 15;

double wrapped(double degrees) {
    return std::remainder(degrees, 360.0);
}

}  // namespace

StoneTurnView::StoneTurnView(QWidget *parent) : PictureView(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void StoneTurnView::showStone(const stone::Brilliant &stone) {
    m_stone = stone;
    redraw();
}

void StoneTurnView::clearStone() {
    m_stone.reset();
    setPicture({});
}

void StoneTurnView::setTurn(const stone::Turn &turn) {
    m_turn = {wrapped(turn.spinDeg), wrapped(turn.tiltDeg)};
    redraw();
}

void StoneTurnView::turnBy(double spinDeg, double tiltDeg) {
    setTurn({m_turn.spinDeg + spinDeg, m_turn.tiltDeg + tiltDeg});
}

void StoneTurnView::redraw() {
    if (!m_stone)
        return;
    const stone::StoneView view = stone::viewStone(*m_stone, m_turn);
    setPicture(
        [view](PainterCanvas &canvas, const QRectF &area) { drawStone(canvas, area, view); });
}

void StoneTurnView::mousePressEvent(QMouseEvent *event) {
    m_dragFrom = event->position().toPoint();
    setFocus(Qt::MouseFocusReason);
}

void StoneTurnView::mouseMoveEvent(QMouseEvent *event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint at = event->position().toPoint();
    const QPoint moved = at - m_dragFrom;
    m_dragFrom = at;
    turnBy(moved.x() * degreesPerPixel, moved.y() * degreesPerPixel);
}

void StoneTurnView::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
        case Qt::Key_Left:
            return turnBy(-degreesPerKey, 0);
        case Qt::Key_Right:
            return turnBy(degreesPerKey, 0);
        case Qt::Key_Up:
            return turnBy(0, -degreesPerKey);
        case Qt::Key_Down:
            return turnBy(0, degreesPerKey);
        case Qt::Key_Home:
            return setTurn({});
        default:
            PictureView::keyPressEvent(event);
    }
}

#pragma once

#include "stone/StoneView.h"
#include "windows/PictureView.h"

#include <optional>

// The stone in 3-D, turned by hand: dragging turns it about its axis
// (across) and tilts it (up and down); the arrow keys do the same in steps,
// and Home shows it face up again.
class StoneTurnView : public PictureView {
    Q_OBJECT

public:
    explicit StoneTurnView(QWidget *parent = nullptr);

    void showStone(const stone::Brilliant &stone);
    void clearStone();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setTurn(const stone::Turn &turn);
    void turnBy(double spinDeg, double tiltDeg);
    void redraw();

    std::optional<stone::Brilliant> m_stone;
    stone::Turn m_turn;
    QPoint m_dragFrom;
};

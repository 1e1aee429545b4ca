#pragma once

#include <QPushButton>

// A push button that shows its icon at the picture's own size, centred on the
// button's face and clipped to it, instead of scaling it down to fit. The
// picture is the button's icon; its iconSize is the picture's size.
class PictureButton : public QPushButton {
    Q_OBJECT

public:
    explicit PictureButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

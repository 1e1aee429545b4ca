#pragma once

#include <QWidget>
#include <functional>

class PainterCanvas;

// A picture on a light panel, drawn in vectors through a painter canvas in
// pixels over whatever size the window gives it; blank until it has one, and
// greyed while disabled.
class PictureView : public QWidget {
    Q_OBJECT

public:
    using Picture = std::function<void(PainterCanvas &canvas, const QRectF &area)>;

    explicit PictureView(QWidget *parent = nullptr);

    void setPicture(Picture picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Picture m_picture;
};

#pragma once

#include <QFrame>
#include <QPixmap>

// A picture box: a sunken frame two pixels wide on the system button colour,
// showing its picture unscaled at the interior's top-left corner and clipped
// to the interior. It takes the keyboard focus like any picture box.
class PictureArea : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QPixmap picture READ picture WRITE setPicture)

public:
    explicit PictureArea(QWidget *parent = nullptr);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

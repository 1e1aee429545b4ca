#pragma once

#include "drawing/PainterCanvas.h"

#include <QFrame>
#include <QImage>

// A drawing area of the main window: a sunken frame two pixels wide around an
// interior with its own coordinate units, origin at the interior's top-left,
// y downwards. It paints into an image of its own, so a covered and
// uncovered area shows it again, and every primitive is on screen as soon as
// it returns. Whoever prints on it may tell what it shows in words, as its
// accessible description; Clear erases that with the drawing.
class CanvasWidget : public QFrame, public PainterCanvas {
    Q_OBJECT

public:
    explicit CanvasWidget(QWidget *parent = nullptr);

    // The interior as drawn so far, in device-independent pixels.
    QImage image() const;

    void Clear() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    QSizeF interiorSize() const override;
    QPaintDevice *device() override;
    // Paints into the image (device-independent pixels) and shows what it
    // touched at once.
    void paint(const Drawing &draw) override;

private:
    void ensureImage();

    QImage m_image;
};

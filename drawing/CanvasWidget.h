#pragma once

#include "drawing/Canvas.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QPointF>
#include <functional>
#include <optional>

// A drawing area of the main window: a sunken frame two pixels wide around an
// interior with its own coordinate units, origin at the interior's top-left,
// y downwards. It keeps its drawing in an image of its own, so a covered and
// uncovered area shows it again, and every primitive is on screen as soon as
// it returns. Whoever prints on it may tell what it shows in words, as its
// accessible description; Clear erases that with the drawing.
class QPainter;

class CanvasWidget : public QFrame, public Canvas {
    Q_OBJECT

public:
    explicit CanvasWidget(QWidget *parent = nullptr);

    // How many twips (15 twips = 1 pixel) one canvas unit spans, across and
    // down: 1, 1 for a canvas in twips; 219/224, 1 for Picture2's user scale.
    void setUnits(double twipsPerUnitX, double twipsPerUnitY);
    void setBackground(const QColor &colour);
    // The font of PrintLine; its line height sets how far the pen moves down.
    void setTextFont(const QFont &font);

    // The interior as drawn so far, in device-independent pixels.
    QImage image() const;
    QPointF pen() const;

    void Clear() override;
    void DrawLine(float x1, float y1, float x2, float y2) override;
    void DrawLineBy(float x1, float y1, float dx, float dy) override;
    void ContinueLineBy(float dx, float dy) override;
    void DrawCircle(float cx, float cy, float r) override;
    void DrawArc(float cx, float cy, float r, quint32 colour, float start, float end) override;
    void SetPosition(float x, float y) override;
    void PrintLine(const QString &text) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Draws with painter into the image (device-independent pixels) and
    // returns the rectangle it may have touched, nothing when it drew nothing.
    using Drawing = std::function<std::optional<QRectF>(QPainter &painter)>;

    QFont textFont() const;
    QColor foreground() const;
    QPointF toPixels(double x, double y) const;
    QRectF clipRect() const;
    void ensureImage();
    void drawAndShow(const Drawing &draw);
    void setLinePen(QPainter &painter, const QColor &colour) const;
    void drawSegment(const QPointF &from, const QPointF &to);
    void drawArcPixels(float cx, float cy, float r, const QColor &colour, double start,
                       double sweep);

    double m_pixelsPerUnitX = 1;
    double m_pixelsPerUnitY = 1;
    double m_twipsPerUnitY = 15;
    QColor m_background = Qt::white;
    std::optional<QFont> m_textFont;  // unset: the widget's own font
    QPointF m_pen;
    QImage m_image;
};

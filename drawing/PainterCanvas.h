#pragma once

#include "drawing/Canvas.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <functional>
#include <optional>

class QImage;
class QPaintDevice;
class QPolygonF;
class QPainter;

// The Canvas primitives painted with a QPainter, the same for the drawing
// areas on screen and for any other paint device. The painter's unit is one
// pixel of the drawing area as the window shows it (15 twips, 1/96 inch),
// with the origin at the interior's top-left corner; text is sized for that
// unit too, so a painter that scales the pixels scales lines and text alike.
// Subclasses say where the painter paints.
class PainterCanvas : public Canvas {
public:
    // How many twips (15 twips = 1 pixel) one canvas unit spans, across and
    // down: 1, 1 for a canvas in twips; 219/224, 1 for Picture2's user scale.
    void setUnits(double twipsPerUnitX, double twipsPerUnitY);
    void setBackground(const QColor &colour);
    // The font of PrintLine; its line height sets how far the pen moves down.
    void setTextFont(const QFont &font);
    // How wide lines are, in pixels of the drawing area, scaled with them
    // (for paper); 0, the default, is one device pixel whatever the scale
    // (for the screen).
    void setLineWidth(qreal pixels);
    qreal lineWidth() const { return m_lineWidth; }

    QPointF pen() const;
    // How wide and high text is that PrintLine prints, in canvas units.
    QSizeF textSize(const QString &text);

    // Beyond the Canvas primitives, for pictures in colour, in canvas units:
    // a polygon filled and outlined, a chain of lines in a colour, and an
    // image stretched over a rectangle with its pixels kept square-edged.
    void fillPolygon(const QPolygonF &outline, const QColor &fill, const QColor &edge);
    void drawPolyline(const QPolygonF &points, const QColor &colour);
    // Blocks: each pixel of the image a sharp rectangle; smooth: interpolated
    // between them, as a picture sampled finer than its pixels.
    enum class Scaling { blocks, smooth };
    void drawImage(const QRectF &target, const QImage &image, Scaling scaling = Scaling::blocks);

    void Clear() override;
    void DrawLine(float x1, float y1, float x2, float y2) override;
    void DrawLineBy(float x1, float y1, float dx, float dy) override;
    void ContinueLineBy(float dx, float dy) override;
    void DrawCircle(float cx, float cy, float r) override;
    void DrawArc(float cx, float cy, float r, quint32 colour, float start, float end) override;
    void SetPosition(float x, float y) override;
    void PrintLine(const QString &text) override;
    float TextWidth(const QString &text) override;

protected:
    // Draws with painter and returns the rectangle, in pixels, that it may
    // have touched; nothing when it drew nothing.
    using Drawing = std::function<std::optional<QRectF>(QPainter &painter)>;

    const QColor &background() const { return m_background; }

    // The interior's size in pixels; drawing is clipped a pixel outside it.
    virtual QSizeF interiorSize() const = 0;
    // The device that text is measured for; nullptr while there is none.
    virtual QPaintDevice *device() = 0;
    // Runs draw with a painter set up as the class describes.
    virtual void paint(const Drawing &draw) = 0;

private:
    QFont printFont();
    QPointF toPixels(double x, double y) const;
    QPolygonF toPixels(const QPolygonF &points) const;
    QRectF clipRect() const;
    void drawInk(const Drawing &draw);
    void setLinePen(QPainter &painter, const QColor &colour) const;
    void drawSegment(const QPointF &from, const QPointF &to);
    void drawArcPixels(float cx, float cy, float r, const QColor &colour, double start,
                       double sweep);

    double m_pixelsPerUnitX = 1;
    double m_pixelsPerUnitY = 1;
    double m_twipsPerUnitY = 15;
    QColor m_background = Qt::white;
    QFont m_textFont;
    qreal m_lineWidth = 0;
    QPointF m_pen;
};

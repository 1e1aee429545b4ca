#pragma once

#include <QString>
#include <QtGlobal>

// The drawing primitives of the two drawing areas. Coordinates, lengths and
// radii are single precision in the canvas's own units; every primitive moves
// the pen position, which lines and text share.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Fills the interior with the background colour; the pen goes to (0, 0).
    virtual void Clear() = 0;
    // A line between two absolute points; the pen ends at (x2, y2).
    virtual void DrawLine(float x1, float y1, float x2, float y2) = 0;
    // A line from an absolute point by an offset; the pen ends at its far end.
    virtual void DrawLineBy(float x1, float y1, float dx, float dy) = 0;
    // A line from the pen position by an offset; the pen ends at its far end.
    virtual void ContinueLineBy(float dx, float dy) = 0;
    // A circle outline in the foreground colour; the pen ends at the centre.
    virtual void DrawCircle(float cx, float cy, float r) = 0;
    // Part of a circle outline, counterclockwise from start to end (radians,
    // passing through angle 0 when start > end), in colour 0x00BBGGRR.
    virtual void DrawArc(float cx, float cy, float r, quint32 colour, float start, float end) = 0;
    // Moves the pen without drawing.
    virtual void SetPosition(float x, float y) = 0;
    // Text with its first character cell's top-left corner at the pen and no
    // background box; the pen then goes to x = 0, one line height down.
    virtual void PrintLine(const QString &text) = 0;
    // How wide PrintLine prints text, in canvas units.
    virtual float TextWidth(const QString &text) = 0;
};

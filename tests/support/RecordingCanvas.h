#pragma once

#include "drawing/Canvas.h"

#include <QList>
#include <QPointF>

// One recorded primitive: the operation's name, its numeric arguments in the
// order of the call (a colour as a number), and the text of a PrintLine.
struct CanvasCall {
    QString op;
    QList<double> args;
    QString text;

    bool operator==(const CanvasCall &other) const {
        return op == other.op && args == other.args && text == other.text;
    }
};

// A canvas that draws nothing and keeps every call in order, with the same pen
// semantics as the on-screen canvas.
class RecordingCanvas final : public Canvas {
public:
    // lineHeight: how far PrintLine moves the pen down, and letterWidth: how
    // wide each character of its text is, in canvas units.
    explicit RecordingCanvas(float lineHeight = 210.0f, float letterWidth = 60.0f)
        : m_lineHeight(lineHeight), m_letterWidth(letterWidth) {}

    void Clear() override;
    void DrawLine(float x1, float y1, float x2, float y2) override;
    void DrawLineBy(float x1, float y1, float dx, float dy) override;
    void ContinueLineBy(float dx, float dy) override;
    void DrawCircle(float cx, float cy, float r) override;
    void DrawArc(float cx, float cy, float r, quint32 colour, float start, float end) override;
    void SetPosition(float x, float y) override;
    void PrintLine(const QString &text) override;
    float TextWidth(const QString &text) override { return float(text.size()) * m_letterWidth; }

    const QList<CanvasCall> &calls() const { return m_calls; }
    QList<CanvasCall> callsNamed(const QString &op) const;
    QPointF pen() const { return m_pen; }
    void forget() { m_calls.clear(); }

private:
    void record(const QString &op, QList<double> args, const QString &text = {});

    float m_lineHeight;
    float m_letterWidth;
    QPointF m_pen;
    QList<CanvasCall> m_calls;
};

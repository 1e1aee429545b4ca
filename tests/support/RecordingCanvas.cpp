#include "tests/support/RecordingCanvas.h"

void RecordingCanvas::record(const QString &op, QList<double> args, const QString &text) {
    m_calls.append(CanvasCall{op, std::move(args), text});
}

QList<CanvasCall> RecordingCanvas::callsNamed(const QString &op) const {
    QList<CanvasCall> named;
    for (const CanvasCall &call : m_calls) {
        if (call.op == op)
            named.append(call);
    }
    return named;
}

void RecordingCanvas::Clear() {
    record(QStringLiteral("Clear"), {});
    m_pen = QPointF(0, 0);
}

void RecordingCanvas::DrawLine(float x1, float y1, float x2, float y2) {
    record(QStringLiteral("DrawLine"), {x1, y1, x2, y2});
    m_pen = QPointF(x2, y2);
}

void RecordingCanvas::DrawLineBy(float x1, float y1, float dx, float dy) {
    record(QStringLiteral("DrawLineBy"), {x1, y1, dx, dy});
    m_pen = QPointF(x1 + dx, y1 + dy);
}

void RecordingCanvas::ContinueLineBy(float dx, float dy) {
    record(QStringLiteral("ContinueLineBy"), {dx, dy});
    m_pen += QPointF(dx, dy);
}

void RecordingCanvas::DrawCircle(float cx, float cy, float r) {
    record(QStringLiteral("DrawCircle"), {cx, cy, r});
    m_pen = QPointF(cx, cy);
}

void RecordingCanvas::DrawArc(float cx, float cy, float r, quint32 colour, float start, float end) {
    record(QStringLiteral("DrawArc"), {cx, cy, r, double(colour), start, end});
    m_pen = QPointF(cx, cy);
}

void RecordingCanvas::SetPosition(float x, float y) {
    record(QStringLiteral("SetPosition"), {x, y});
    m_pen = QPointF(x, y);
}

void RecordingCanvas::PrintLine(const QString &text) {
    record(QStringLiteral("PrintLine"), {m_pen.x(), m_pen.y()}, text);
    m_pen = QPointF(0, m_pen.y() + m_lineHeight);
}

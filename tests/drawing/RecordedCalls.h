#pragma once

#include "tests/support/RecordingCanvas.h"

#include <QPointF>
#include <QTest>
#include <cmath>

// Checks on recorded primitives, whose arguments went through single
// precision on their way to the canvas.

inline bool near(double value, double expected, double tolerance = 0.05) {
    return std::abs(value - expected) <= tolerance;
}

inline bool near(const QPointF &point, const QPointF &expected, double tolerance = 0.05) {
    return near(point.x(), expected.x(), tolerance) && near(point.y(), expected.y(), tolerance);
}

inline QPointF lineStart(const CanvasCall &line) {
    return {line.args.value(0), line.args.value(1)};
}

inline QPointF lineEnd(const CanvasCall &line) {
    return {line.args.value(2), line.args.value(3)};
}

// Names the operations of calls in order, for comparing sequences.
inline QStringList operations(const QList<CanvasCall> &calls) {
    QStringList names;
    for (const CanvasCall &call : calls)
        names.append(call.op);
    return names;
}

namespace QTest {
template <>
inline char *toString(const CanvasCall &call) {
    QStringList numbers;
    for (const double value : call.args)
        numbers.append(QString::number(value, 'g', 9));
    return qstrdup(qPrintable(call.op + QLatin1Char('(') + numbers.join(QStringLiteral(", ")) +
                              QLatin1Char(')') + call.text));
}
}  // namespace QTest

#pragma once

#include <QColor>
#include <QImage>
#include <QMetaType>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// One row of a window's control table, as laid out: geometry in twips (15 to
// the pixel), colours invalid where the system colour applies, alignment 0
// where the kind of control has none to check.
struct ControlLayout {
    QString className;
    QString text;
    QRect twips;
    QString fontFamily;
    qreal pointSize = 0;
    bool bold = false;
    QColor background;
    QColor foreground;
    Qt::Alignment alignment;
    QString toolTip;
    bool visible = true;
    // Sized to its one-line text: the width in twips is the one measured with
    // the original face (0 where the layout gives none) and may differ by a
    // pixel with a stand-in face.
    bool autoSize = false;
};
Q_DECLARE_METATYPE(ControlLayout)

QRect pixels(const QRect &twips);

// The colours a label, edit field or button fills its face and draws its
// text with.
struct FaceColours {
    QColor face;
    QColor text;
};
FaceColours faceColours(const QWidget &control);

// Compares a shown control with its row; failures are reported through
// QTest, so callers return when QTest::currentTestFailed().
void verifyControl(QWidget &control, const ControlLayout &entry);

// Where needle occurs pixel for pixel in haystack, or (-1, -1).
QPoint findImage(const QImage &haystack, const QImage &needle);

// Shows the window offscreen and waits until it is the active window.
bool showActive(QWidget &window);

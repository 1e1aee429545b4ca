#include "ControlChecks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

QRect pixels(const QRect &twips) {
    return QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
}

namespace {

// The palette roles that paint a kind of control's face and text.
struct Roles {
    QPalette::ColorRole background;
    QPalette::ColorRole foreground;
};

Roles rolesOf(const QWidget &control) {
    if (qobject_cast<const QLineEdit *>(&control))
        return {QPalette::Base, QPalette::Text};
    if (qobject_cast<const QAbstractButton *>(&control))
        return {QPalette::Button, QPalette::ButtonText};
    return {QPalette::Window, QPalette::WindowText};
}

// The colour the control shows for role: its own, or the system's.
void verifyColour(const QWidget &control, QPalette::ColorRole role, const QColor &expected) {
    const QColor systemColour = QApplication::palette(&control).color(QPalette::Active, role);
    const QColor wanted = expected.isValid() ? expected : systemColour;
    QCOMPARE(control.palette().color(QPalette::Active, role), wanted);
    QCOMPARE(control.palette().color(QPalette::Inactive, role), wanted);
}

void verifyColours(const QWidget &control, const ControlLayout &entry) {
    const Roles roles = rolesOf(control);
    verifyColour(control, roles.background, entry.background);
    if (QTest::currentTestFailed())
        return;
    verifyColour(control, roles.foreground, entry.foreground);
    if (QTest::currentTestFailed())
        return;
    if (qobject_cast<const QLabel *>(&control))
        QVERIFY2(control.autoFillBackground(), "a label is an opaque rectangle");
}

QString textOf(const QWidget &control) {
    if (const auto *label = qobject_cast<const QLabel *>(&control))
        return label->text();
    if (const auto *edit = qobject_cast<const QLineEdit *>(&control))
        return edit->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&control))
        return button->text();
    return QString();
}

Qt::Alignment alignmentOf(const QWidget &control) {
    if (const auto *label = qobject_cast<const QLabel *>(&control))
        return label->alignment();
    if (const auto *edit = qobject_cast<const QLineEdit *>(&control))
        return edit->alignment();
    return {};
}

void verifyTextWidth(const QWidget &control, const ControlLayout &entry) {
    const QRect laidOut = pixels(entry.twips);
    QCOMPARE(control.pos(), laidOut.topLeft());
    QCOMPARE(control.height(), laidOut.height());
    const qreal textWidth = QFontMetricsF(control.font()).horizontalAdvance(entry.text);
    QCOMPARE(control.width(), qCeil(textWidth));
    if (laidOut.width() > 0)
        QVERIFY2(qAbs(control.width() - laidOut.width()) <= 1,
                 qPrintable(QString::number(control.width())));
}

}  // namespace

FaceColours faceColours(const QWidget &control) {
    const Roles roles = rolesOf(control);
    return {control.palette().color(roles.background), control.palette().color(roles.foreground)};
}

void verifyControl(QWidget &control, const ControlLayout &entry) {
    QCOMPARE(control.metaObject()->className(), entry.className);
    QCOMPARE(textOf(control), entry.text);
    if (entry.autoSize)
        verifyTextWidth(control, entry);
    else
        QCOMPARE(control.geometry(), pixels(entry.twips));
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(control.font().families().value(0), entry.fontFamily);
    QCOMPARE(control.font().pointSizeF(), entry.pointSize);
    QCOMPARE(control.font().weight(), entry.bold ? QFont::Bold : QFont::Normal);
    QVERIFY(!control.font().italic() && !control.font().underline() && !control.font().strikeOut());

    if (entry.className == QLatin1String("CanvasWidget")) {
        // A drawing area paints its own background inside its border.
        const QImage face = control.grab().toImage();
        QCOMPARE(face.pixelColor(face.rect().center()), entry.background);
        QCOMPARE(control.contentsRect(), control.rect().adjusted(2, 2, -2, -2));
    } else {
        verifyColours(control, entry);
    }
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(alignmentOf(control), entry.alignment);
    QCOMPARE(control.toolTip(), entry.toolTip);
    QCOMPARE(control.isVisible(), entry.visible);
}

QPoint findImage(const QImage &haystack, const QImage &needle) {
    const QImage hay = haystack.convertToFormat(QImage::Format_RGB32);
    const QImage pin = needle.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y + pin.height() <= hay.height(); ++y) {
        for (int x = 0; x + pin.width() <= hay.width(); ++x) {
            if (hay.copy(x, y, pin.width(), pin.height()) == pin)
                return QPoint(x, y);
        }
    }
    return QPoint(-1, -1);
}

bool showActive(QWidget &window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

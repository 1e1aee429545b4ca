#include "tests/support/Controls.h"

#include <QTest>
#include <QWidget>

void typeInto(QObject *field, const QString &text) {
    auto *widget = qobject_cast<QWidget *>(field);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget, text);
    QTest::keyClick(widget, Qt::Key_Return);
}

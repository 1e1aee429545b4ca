#include "app/QtMessageSink.h"

#include "calc/Messages.h"

#include <QMessageBox>

void QtMessageSink::showMessage(const QString &message) {
    QMessageBox box(QMessageBox::NoIcon, Messages::title(), message, QMessageBox::Ok, m_parent);
    // A file name may hold "<" and "&": shown as rich text, it would turn into
    // markup and disappear.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

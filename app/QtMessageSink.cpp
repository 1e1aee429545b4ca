#include "app/QtMessageSink.h"

#include "calc/Messages.h"

#include <QMessageBox>

void QtMessageSink::showMessage(const QString &message) {
    QMessageBox box(QMessageBox::NoIcon, Messages::title, message, QMessageBox::Ok, m_parent);
    box.exec();
}

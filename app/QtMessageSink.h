#pragma once

#include "app/MessageSink.h"

#include <QPointer>
#include <QWidget>

// The real message box: modal over its window, titled "CUIDADO !!!", with an
// OK button only and no icon.
class QtMessageSink final : public MessageSink {
public:
    explicit QtMessageSink(QWidget *parent) : m_parent(parent) {}
    void showMessage(const QString &message) override;

private:
    QPointer<QWidget> m_parent;
};

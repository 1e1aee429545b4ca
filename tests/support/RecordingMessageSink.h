#pragma once

#include "app/MessageSink.h"

#include <QStringList>

// Keeps the messages instead of showing them: for tests, where a real modal
// box would block.
class RecordingMessageSink final : public MessageSink {
public:
    void showMessage(const QString &message) override { m_messages.append(message); }
    const QStringList &messages() const { return m_messages; }

private:
    QStringList m_messages;
};

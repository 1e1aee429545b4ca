#pragma once

#include <QString>

// Where the program's messages go: a modal box titled "CUIDADO !!!" with an
// OK button only and no icon. Tests record the messages instead.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const QString &message) = 0;
};

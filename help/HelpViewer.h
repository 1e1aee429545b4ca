#pragma once

#include <QByteArray>
#include <QtGlobal>

class QWidget;

// The requests a help viewer understands, numbered as the platform's help
// function numbers them.
namespace HelpCommand {
inline constexpr quint32 contents = 3;        // show the contents page
inline constexpr quint32 partialKey = 0x105;  // show the index; data 0: no keyword
}  // namespace HelpCommand

// The platform's help function: shows a help file on behalf of a window.
// The file name is 8-bit text, as the platform takes it.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void winHelp(QWidget *window, const QByteArray &helpFile, quint32 command,
                         quint32 data) = 0;
};

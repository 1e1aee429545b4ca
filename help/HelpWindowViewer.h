#pragma once

#include "help/HelpViewer.h"

#include <memory>

class HelpWindow;

// The help viewer of the program: shows the requested help in the one help
// window, which it creates, with its pages, at the first request and brings
// to the front at every request.
class HelpWindowViewer final : public HelpViewer {
public:
    HelpWindowViewer();
    ~HelpWindowViewer() override;

    void winHelp(QWidget *window, const QByteArray &helpFile, quint32 command,
                 quint32 data) override;

    // The help window, or nullptr before the first request.
    HelpWindow *helpWindow() const { return m_window.get(); }

private:
    std::unique_ptr<HelpWindow> m_window;
};

#pragma once

#include "help/HelpViewer.h"

#include <QList>

// One request to the help viewer, as it was made.
struct HelpRequest {
    QWidget *window = nullptr;
    QByteArray helpFile;
    quint32 command = 0;
    quint32 data = 0;

    bool operator==(const HelpRequest &other) const {
        return window == other.window && helpFile == other.helpFile && command == other.command &&
               data == other.data;
    }
};

// A help viewer that shows nothing and keeps every request in order.
class RecordingHelpViewer final : public HelpViewer {
public:
    void winHelp(QWidget *window, const QByteArray &helpFile, quint32 command,
                 quint32 data) override {
        m_requests.append({window, helpFile, command, data});
    }

    const QList<HelpRequest> &requests() const { return m_requests; }

private:
    QList<HelpRequest> m_requests;
};

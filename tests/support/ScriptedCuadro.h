#pragma once

#include "files/Cuadro.h"

// A file dialog that answers from a script instead of asking the user, and
// records what it was asked. An answer that is not scripted is a cancel.
class ScriptedCuadro final : public Cuadro {
public:
    struct Request {
        Mode mode;
        FileTypes fileTypes;
    };

    // The name the next dialog yields; an empty name cancels it.
    void answer(const QString &fileName) { m_answers.append(fileName); }

    const QList<Request> &requests() const { return m_requests; }

protected:
    QString askFileName(Mode mode, const FileTypes &types) override {
        m_requests.append({mode, types});
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    }

private:
    QList<QString> m_answers;
    QList<Request> m_requests;
};

#pragma once

#include "files/Cuadro.h"

// A file dialog that answers from a script instead of asking the user, and
// records what it was asked. An answer that is not scripted is a cancel.
class ScriptedCuadro final : public Cuadro {
public:
    struct Request {
        Mode mode;
        FileTypes fileTypes;
        QString proposed;
    };

    // The name the next dialog yields, with the file type selected then; an
    // empty name cancels it.
    void answer(const QString &fileName, qsizetype fileTypeIndex = 0) {
        m_answers.append({fileName, fileTypeIndex});
    }

    const QList<Request> &requests() const { return m_requests; }

protected:
    Answer askFileName(Mode mode, const FileTypes &types, const QString &proposed) override {
        m_requests.append({mode, types, proposed});
        return m_answers.isEmpty() ? Answer() : m_answers.takeFirst();
    }

private:
    QList<Answer> m_answers;
    QList<Request> m_requests;
};

#pragma once

#include <QString>

// The program-wide help file setting. It is empty when the program starts;
// the help commands set it before each request to the help viewer.
class HelpSettings {
public:
    QString helpFile() const { return m_helpFile; }
    void setHelpFile(const QString &fileName) { m_helpFile = fileName; }

private:
    QString m_helpFile;
};

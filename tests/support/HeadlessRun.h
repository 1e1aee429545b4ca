#pragma once

#include <QHash>
#include <QProcess>
#include <QString>
#include <QStringList>

// What the real program wrote and how it ended: status -1 if it crashed or
// did not end.
struct HeadlessRun {
    int status = -1;
    QString out;
    QString err;
};

// The real program (CORVELUX_PROGRAM, which the test defines) as over SSH:
// no display and no Qt platform chosen, the environment's variables set as
// `variables` says, an empty value unsetting one; started by a shell
// command, where "$0" is the program, when `shell` is given.
inline HeadlessRun runHeadless(const QStringList &arguments,
                               const QHash<QString, QString> &variables,
                               const QString &shell = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    for (auto variable = variables.cbegin(); variable != variables.cend(); ++variable) {
        if (variable.value().isEmpty())
            environment.remove(variable.key());
        else
            environment.insert(variable.key(), variable.value());
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    if (shell.isEmpty())
        program.start(QStringLiteral(CORVELUX_PROGRAM), arguments);
    else
        program.start("/bin/sh", QStringList{"-c", shell, CORVELUX_PROGRAM} + arguments);
    if (!program.waitForFinished() || program.exitStatus() != QProcess::NormalExit)
        return {};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

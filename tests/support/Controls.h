#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// The control of a window that the form names name. Tests find controls by
// the names the layout gives them; a missing one ends the run, since no later
// check about it could mean anything.
template <typename Control>
Control *control(const QObject &window, const QString &name) {
    auto *found = window.findChild<Control *>(name);
    if (!found)
        qFatal("%s has no %s called %s", qPrintable(window.objectName()),
               Control::staticMetaObject.className(), qPrintable(name));
    return found;
}

// Types text over what a field holds, then presses Enter, as a user would.
void typeInto(QObject *field, const QString &text);

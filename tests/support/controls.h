#pragma once
// Tests reach a window's controls by their object names, as a user would
// find them by their role, never through the window's private members.

#include <QObject>
#include <QString>
#include <QtGlobal>

template <class T> T* control(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found) qFatal("no control named %s", name);
    return found;
}

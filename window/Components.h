// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls by object name, the names the layout gives them:
// how a feature finds the controls it owns.
#pragma once

#include "core/Guard.h"

#include <QHash>
#include <QObject>
#include <QString>

class Components {
public:
    void record(QObject* component) { byName_.insert(component->objectName(), component); }
    void forgetAll() { byName_.clear(); }
    QObject* lookUp(const QString& name) const { return byName_.value(name); }

    // The component of that name, of that class. A name that finds none
    // raises the program's error, so that the handler ends as on any other.
    template <typename T> T* find(const QString& name) const {
        if (T* found = qobject_cast<T*>(byName_.value(name)))
            return found;
        throw EProgramError("no component " + name.toStdString());
    }

private:
    QHash<QString, QObject*> byName_;
};

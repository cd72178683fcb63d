// SPDX-License-Identifier: GPL-3.0-or-later
// A sleeping machine wakes for the first timer or alarm to ring, as the
// journal reckons them; where the system will not wake it, the alarms are
// told, so that they can say they ring only while it is awake.
#pragma once

#include "models/Journal.h"
#include "platform/Platform.h"

#include <QObject>

class MachineWake : public QObject {
    Q_OBJECT
public:
    MachineWake(platform::Power& power, QObject* parent);

    // What rings next; a journal naming nothing asks for no wake.
    void wakeFor(const Journal& journal);

signals:
    // Told when it changes, and only for a wake asked for.
    void wakesMachine(bool wakes);

private:
    platform::Power& power_;
    bool wakes_ = true;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "MachineWake.h"

#include <QPointer>

MachineWake::MachineWake(platform::Power& power, QObject* parent)
    : QObject(parent)
    , power_(power) {}

void MachineWake::wakeFor(const Journal& journal) {
    qint64 first = 0;
    for (const Journal::Running& timer : journal.running)
        first = first ? qMin(first, timer.wallMs) : timer.wallMs;
    for (const auto& [alarm, dueMs] : journal.alarms) {
        if (dueMs > 0)
            first = first ? qMin(first, dueMs) : dueMs;
    }
    power_.wakeAt(first, [self = QPointer(this), first](bool wakes) {
        if (self && first && wakes != self->wakes_) {
            self->wakes_ = wakes;
            emit self->wakesMachine(wakes);
        }
    });
}

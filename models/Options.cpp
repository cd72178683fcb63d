// SPDX-License-Identifier: GPL-3.0-or-later
#include "Options.h"

void Options::setSnoozeChoice(int choice) {
    if (choice >= 1 && choice <= int(kSnoozeMinutes.size()))
        set(now_.snooze, choice);
}

int Options::snoozeMs() const {
    return now_.snooze ? kSnoozeMinutes[std::size_t(now_.snooze - 1)] * 60000 : 0;
}

void Options::setTrayColour(int colour) {
    if (colour >= 0 && colour <= 5)
        set(now_.trayColour, colour);
}

void Options::readFrom(const QString& flags) {
    const StoredOptions stored = readOptions(flags);
    const CurrentOptions before = now_;
    now_.sound = stored.sound;
    now_.recur = stored.recur;
    now_.minimizeOnTimer = stored.minimizeOnTimer;
    now_.alarm1Recur = stored.alarm1Recur;
    now_.snooze = stored.snooze.value_or(now_.snooze);
    now_.alarmHalfOpen = stored.alarmHalfOpen;
    now_.startOn = stored.startOn;
    now_.alarmDelay = stored.alarmDelay.value_or(now_.alarmDelay);
    now_.trayColour = stored.trayColour.value_or(now_.trayColour);
    if (!(before == now_))
        emit changed();
}

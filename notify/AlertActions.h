// SPDX-License-Identifier: GPL-3.0-or-later
// What the user asks of a ringing alert from outside the window's buttons:
// "Stop", "Snooze 5 min" and "Again" on its notification, the same from the
// command line and D-Bus, and Enter, which acknowledges them all.
#pragma once

#include "DesktopNotifier.h"
#include "alarm/AlarmPanel.h"
#include "alerts/TunedAlerts.h"
#include "core/Guard.h"
#include "models/AlarmClock.h"
#include "models/Timers.h"
#include "platform/Platform.h"
#include "timers/AlertFlasher.h"
#include "window/MainWindow.h"

#include <QObject>

class AlertActions : public QObject {
    Q_OBJECT
public:
    struct Features {
        AlarmPanel& alarmPanel;
        AlertFlasher& flasher;
        TunedAlerts& tunedAlerts;
        DesktopNotifier& notifier;
    };
    AlertActions(Timers& timers, const AlarmClock& alarms, Features features, MainWindow& window,
                 platform::Clock& clock, HandlerEntry enter, QObject* parent);

    // What a click on timer n's button does: start, stop or acknowledge it.
    // An alert put the window on top; a click takes it down again unless
    // the user pinned it there.
    void toggleTimer(int n);
    // Every ringing timer acknowledged, a ringing alarm 1 or a snoozing
    // alarm 2 switched off.
    void stopEveryAlert();
    // A ringing timer acknowledged and running again for the snooze.
    void snoozeTimer(int n);
    // Timer n from its set time again, whatever it was doing.
    void againTimer(int n);
    // Every alert that rings, a snooze on.
    void snoozeAll();

private:
    void connectNotifications(const HandlerEntry& enter);
    void stopAlarm(int alarm);

    Timers& timers_;
    const AlarmClock& alarms_;
    Features features_;
    MainWindow& window_;
    platform::Clock& clock_;
};

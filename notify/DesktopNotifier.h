// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop hears of every alert: a notification for each timer that runs
// out and each alarm that rings, with "Stop", "Snooze 5 min" and, for a
// timer, "Again" on it (a snooze is timer::SnoozeMinutes long wherever
// it is asked for). Acknowledged in the window, it goes away by itself;
// chosen on the desktop, it asks for that of its own alert and goes.
#pragma once

#include "core/Guard.h"
#include "models/AlarmClock.h"
#include "models/Timers.h"
#include "platform/Platform.h"

#include <QHash>
#include <QObject>
#include <QTime>

class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    DesktopNotifier(const Timers& timers, const AlarmClock& alarms,
                    platform::Notifications& notifications, HandlerEntry enter, QObject* parent);
    ~DesktopNotifier() override;

    void timerRang(int n);
    // The next ring of timer n is of one that ran out while the program
    // was not there: its notification says when.
    void timerRanOutAt(int n, QTime at);
    // A timer snoozed: it rings again at that time.
    void timerSnoozed(int n, QTime at);
    // A timer the user asked to be warned of ends in that many minutes.
    void timerEndsSoon(int n, int minutes);
    void alarmRang(int alarm);
    // One whose minute passed more than ten minutes before the program came
    // back: the desktop is told it was missed.
    void alarmMissed(int alarm, const QDateTime& at);
    void timerAcknowledged(int n);
    void alarmSwitchedOff(int alarm);

signals:
    // "Stop", "Snooze 5 min" or "Again" chosen on a timer's or an
    // alarm's notification.
    void timerStopAsked(int n);
    void timerSnoozeAsked(int n);
    void timerAgainAsked(int n);
    void alarmStopAsked(int alarm);
    void alarmSnoozeAsked(int alarm);
    // The notification itself clicked.
    void showAsked();

private:
    void act(int key, platform::Notifications::Action action);

    const Timers& timers_;
    const AlarmClock& alarms_;
    QHash<int, QTime> ranOutAt_;
    platform::Notifications& notifications_;
};

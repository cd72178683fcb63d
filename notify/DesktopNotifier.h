// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop hears of every alert: a notification for each timer that runs
// out and each alarm that rings, with a "Stop" on it. Acknowledged in the
// window, it goes away by itself; chosen on the desktop, it asks for its
// own alert to stop and goes.
#pragma once

#include "core/Guard.h"
#include "models/AlarmClock.h"
#include "models/Timers.h"
#include "platform/Platform.h"

#include <QObject>

class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    DesktopNotifier(const Timers& timers, const AlarmClock& alarms,
                    platform::Notifications& notifications, HandlerEntry enter, QObject* parent);
    ~DesktopNotifier() override;

    void TimerRang(int n);
    // One that ran out while the program was not there.
    void TimerRanOutAt(int n, QTime at);
    void AlarmRang(int alarm);
    // One whose minute passed more than ten minutes before the program came
    // back: the desktop is told it was missed.
    void AlarmMissed(int alarm, const QDateTime& at);
    void TimerAcknowledged(int n);
    void AlarmSwitchedOff(int alarm);

signals:
    // "Stop" chosen on a timer's or an alarm's notification.
    void TimerStopAsked(int n);
    void AlarmStopAsked(int alarm);

private:
    void Stop(int key);

    const Timers& timers_;
    const AlarmClock& alarms_;
    platform::Notifications& notifications_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlertActions.h"

#include "core/TimerNumbers.h"
#include "models/AlertOptions.h"

#include <QDateTime>

namespace {

constexpr int kSnoozeSeconds = timer::SnoozeMinutes * 60;

} // namespace

AlertActions::AlertActions(Timers& timers, const AlarmClock& alarms, Features features,
                           MainWindow& window, platform::Clock& clock, HandlerEntry enter,
                           QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , alarms_(alarms)
    , features_(features)
    , window_(window)
    , clock_(clock) {
    connectNotifications(enter);
}

void AlertActions::connectNotifications(const HandlerEntry& enter) {
    DesktopNotifier* notifier = &features_.notifier;
    connect(notifier, &DesktopNotifier::timerStopAsked, this, [this, enter](int n) {
        enter([&] {
            if (timers_.isRinging(n))
                toggleTimer(n);
        });
    });
    connect(notifier, &DesktopNotifier::timerSnoozeAsked, this,
            [this, enter](int n) { enter([&] { snoozeTimer(n); }); });
    connect(notifier, &DesktopNotifier::timerAgainAsked, this,
            [this, enter](int n) { enter([&] { againTimer(n); }); });
    connect(notifier, &DesktopNotifier::alarmStopAsked, this,
            [this, enter](int alarm) { enter([&] { stopAlarm(alarm); }); });
    connect(notifier, &DesktopNotifier::alarmSnoozeAsked, this, [this, enter](int alarm) {
        enter([&] {
            // Alarm 2 snoozes by itself: its sound stops until the next.
            if (alarm == 1)
                features_.alarmPanel.snoozeAlarm1(kSnoozeSeconds * 1000);
            features_.tunedAlerts.settle(AlertOptions::alarmKey(alarm));
        });
    });
}

void AlertActions::toggleTimer(int n) {
    if (!timer::isTimer(n))
        return;
    window_.lowerUnlessPinned();
    timers_.toggle(n);
}

void AlertActions::stopAlarm(int alarm) {
    if (alarm == 1 && features_.alarmPanel.alarm1Ringing())
        features_.alarmPanel.toggleAlarm1();
    else if (alarm == 2 && alarms_.alarm2Snoozing())
        features_.alarmPanel.switchAlarm2Off();
    features_.tunedAlerts.settle(AlertOptions::alarmKey(alarm));
}

void AlertActions::stopEveryAlert() {
    if (features_.flasher.flashed()) {
        window_.lowerUnlessPinned();
        features_.flasher.acknowledge();
    }
    // The alarms' own sounds stop, whatever Enter does to the alarms.
    features_.tunedAlerts.settle(AlertOptions::alarmKey(1));
    features_.tunedAlerts.settle(AlertOptions::alarmKey(2));
    features_.alarmPanel.silenceAlarms(Qt::Key_Return);
}

void AlertActions::snoozeTimer(int n) {
    if (!timers_.isRinging(n))
        return;
    toggleTimer(n);
    // A countdown shows 00:00:00 for a second before it rings.
    const int seconds = timer::isCountdown(n) ? kSnoozeSeconds + 1 : kSnoozeSeconds;
    timers_.snooze(n, seconds);
    features_.notifier.timerSnoozed(
        n, QDateTime::fromMSecsSinceEpoch(clock_.wallMs() + 1000 * qint64(seconds)).time());
}

void AlertActions::againTimer(int n) {
    if (timers_.stateOf(n) != Timers::State::Idle)
        toggleTimer(n);
    toggleTimer(n);
}

void AlertActions::snoozeAll() {
    timer::forEach([this](int n) { snoozeTimer(n); });
    if (features_.alarmPanel.alarm1Ringing()) {
        features_.alarmPanel.snoozeAlarm1(kSnoozeSeconds * 1000);
        features_.notifier.alarmSwitchedOff(1);
    }
    if (alarms_.alarm2Snoozing())
        features_.notifier.alarmSwitchedOff(2);
    for (int alarm : {1, 2})
        features_.tunedAlerts.settle(AlertOptions::alarmKey(alarm));
}

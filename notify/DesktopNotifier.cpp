// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotifier.h"

#include "core/Convert.h"
#include "core/Guard.h"
#include "models/AlertOptions.h"

namespace {

using Action = platform::Notifications::Action;

// A timer's notification offers to stop it, to ring again in five
// minutes, or to run its time again; a click on it shows the window.
const QList<Action> kTimerActions{Action::Stop, Action::Snooze, Action::Again, Action::Show};
const QList<Action> kAlarmActions{Action::Stop, Action::Snooze, Action::Show};

} // namespace

DesktopNotifier::DesktopNotifier(const Timers& timers, const AlarmClock& alarms,
                                 platform::Notifications& notifications, HandlerEntry enter,
                                 QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , alarms_(alarms)
    , notifications_(notifications) {
    notifications_.ListenForActions([this, enter](int key, Action action) {
        enter([this, key, action] { Act(key, action); });
    });
}

DesktopNotifier::~DesktopNotifier() {
    notifications_.ListenForActions({});
}

void DesktopNotifier::TimerRang(int n) {
    QString body = QStringLiteral("Set for %1").arg(timers_.SetTimeText(n));
    if (const QTime at = ranOutAt_.take(n); at.isValid())
        body += QStringLiteral(", ran out at %1").arg(at.toString(QStringLiteral("HH:mm")));
    notifications_.Notify(n, {timers_.Label(n), body, kTimerActions});
}

void DesktopNotifier::TimerRanOutAt(int n, QTime at) {
    ranOutAt_.insert(n, at);
}

void DesktopNotifier::TimerSnoozed(int n, QTime at) {
    notifications_.Notify(
        n, {timers_.Label(n),
            QStringLiteral("Snoozed: rings again at %1").arg(at.toString(QStringLiteral("HH:mm"))),
            {Action::Show},
            false});
}

void DesktopNotifier::TimerEndsSoon(int n, int minutes) {
    notifications_.Notify(
        n, {minutes == 1 ? QStringLiteral("%1: 1 minute left").arg(timers_.Label(n))
                         : QStringLiteral("%1: %2 minutes left").arg(timers_.Label(n)).arg(minutes),
            QStringLiteral("Set for %1").arg(timers_.SetTimeText(n)),
            {},
            false});
}

void DesktopNotifier::AlarmRang(int alarm) {
    const QString time = TimeToStr(alarms_[alarm].time).section(u':', 0, 1);
    notifications_.Notify(
        AlertOptions::AlarmKey(alarm),
        {QStringLiteral("Alarm %1").arg(alarm), time + u' ' + alarms_[alarm].amPm, kAlarmActions});
}

void DesktopNotifier::AlarmMissed(int alarm, const QDateTime& at) {
    notifications_.Notify(
        AlertOptions::AlarmKey(alarm),
        {QStringLiteral("Alarm %1 missed").arg(alarm),
         QStringLiteral("It was due at %1").arg(at.toString(QStringLiteral("HH:mm"))),
         {}});
}

void DesktopNotifier::TimerAcknowledged(int n) {
    notifications_.Withdraw(n);
}

void DesktopNotifier::AlarmSwitchedOff(int alarm) {
    notifications_.Withdraw(AlertOptions::AlarmKey(alarm));
}

void DesktopNotifier::Act(int key, Action action) {
    // The window comes with the user's click, the alert still ringing in it.
    if (action == Action::Show) {
        emit ShowAsked();
        return;
    }
    // Gone from the desktop whatever it finds: it was chosen there. What
    // the action does may tell the desktop more.
    notifications_.Withdraw(key);
    // Its own alert only: a tea timer's Stop leaves tomorrow's alarm armed.
    const int alarm = key - AlertOptions::kAlarm;
    if (alarm == 1 || alarm == 2) {
        if (action == Action::Stop)
            emit AlarmStopAsked(alarm);
        else if (action == Action::Snooze)
            emit AlarmSnoozeAsked(alarm);
    } else if (slot::IsSlot(key)) {
        if (action == Action::Stop)
            emit TimerStopAsked(key);
        else if (action == Action::Snooze)
            emit TimerSnoozeAsked(key);
        else if (action == Action::Again)
            emit TimerAgainAsked(key);
    }
}

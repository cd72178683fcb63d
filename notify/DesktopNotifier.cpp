// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotifier.h"

#include "core/Convert.h"
#include "core/Guard.h"
#include "core/TimerNumbers.h"
#include "models/AlertOptions.h"

namespace {

using Action = platform::Notifications::Action;
using Choice = platform::Notifications::Choice;

const Choice kStop{Action::Stop, QStringLiteral("Stop")};
const Choice kSnooze{Action::Snooze, QStringLiteral("Snooze %1 min").arg(timer::SnoozeMinutes)};
const Choice kAgain{Action::Again, QStringLiteral("Again")};
const Choice kShow{Action::Show, QStringLiteral("Show")};
// A timer's notification offers to stop it, to ring again after a snooze,
// or to run its time again; a click on it shows the window.
const QList<Choice> kTimerActions{kStop, kSnooze, kAgain, kShow};
const QList<Choice> kAlarmActions{kStop, kSnooze, kShow};

} // namespace

DesktopNotifier::DesktopNotifier(const Timers& timers, const AlarmClock& alarms,
                                 platform::Notifications& notifications, HandlerEntry enter,
                                 QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , alarms_(alarms)
    , notifications_(notifications) {
    notifications_.listenForActions([this, enter](int key, Action action) {
        enter([this, key, action] { act(key, action); });
    });
}

DesktopNotifier::~DesktopNotifier() {
    notifications_.listenForActions({});
}

void DesktopNotifier::timerRang(int n) {
    QString body = QStringLiteral("Set for %1").arg(timers_.setTimeText(n));
    if (const QTime at = ranOutAt_.take(n); at.isValid())
        body += QStringLiteral(", ran out at %1").arg(at.toString(QStringLiteral("HH:mm")));
    notifications_.notify(n, {timers_.label(n), body, kTimerActions});
}

void DesktopNotifier::timerRanOutAt(int n, QTime at) {
    ranOutAt_.insert(n, at);
}

void DesktopNotifier::timerSnoozed(int n, QTime at) {
    notifications_.notify(
        n, {timers_.label(n),
            QStringLiteral("Snoozed: rings again at %1").arg(at.toString(QStringLiteral("HH:mm"))),
            {kShow},
            false});
}

void DesktopNotifier::timerEndsSoon(int n, int minutes) {
    notifications_.notify(
        n, {minutes == 1 ? QStringLiteral("%1: 1 minute left").arg(timers_.label(n))
                         : QStringLiteral("%1: %2 minutes left").arg(timers_.label(n)).arg(minutes),
            QStringLiteral("Set for %1").arg(timers_.setTimeText(n)),
            {},
            false});
}

void DesktopNotifier::alarmRang(int alarm) {
    const QString time = timeToStr(alarms_[alarm].time).section(u':', 0, 1);
    notifications_.notify(
        AlertOptions::alarmKey(alarm),
        {QStringLiteral("Alarm %1").arg(alarm), time + u' ' + alarms_[alarm].amPm, kAlarmActions});
}

void DesktopNotifier::alarmMissed(int alarm, const QDateTime& at) {
    notifications_.notify(
        AlertOptions::alarmKey(alarm),
        {QStringLiteral("Alarm %1 missed").arg(alarm),
         QStringLiteral("It was due at %1").arg(at.toString(QStringLiteral("HH:mm"))),
         {}});
}

void DesktopNotifier::timerAcknowledged(int n) {
    notifications_.withdraw(n);
}

void DesktopNotifier::alarmSwitchedOff(int alarm) {
    notifications_.withdraw(AlertOptions::alarmKey(alarm));
}

void DesktopNotifier::act(int key, Action action) {
    // The window comes with the user's click, the alert still ringing in it.
    if (action == Action::Show) {
        emit showAsked();
        return;
    }
    // Gone from the desktop whatever it finds: it was chosen there. What
    // the action does may tell the desktop more.
    notifications_.withdraw(key);
    // Its own alert only: a tea timer's Stop leaves tomorrow's alarm armed.
    const int alarm = key - AlertOptions::kAlarm;
    if (alarm == 1 || alarm == 2) {
        if (action == Action::Stop)
            emit alarmStopAsked(alarm);
        else if (action == Action::Snooze)
            emit alarmSnoozeAsked(alarm);
    } else if (timer::isTimer(key)) {
        if (action == Action::Stop)
            emit timerStopAsked(key);
        else if (action == Action::Snooze)
            emit timerSnoozeAsked(key);
        else if (action == Action::Again)
            emit timerAgainAsked(key);
    }
}

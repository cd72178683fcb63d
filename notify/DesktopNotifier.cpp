// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotifier.h"

#include "core/Convert.h"
#include "core/Guard.h"

namespace {

// The notifications' keys: a timer's number, or one of the alarms'.
constexpr int kAlarmKey = 100;

} // namespace

DesktopNotifier::DesktopNotifier(const Timers& timers, const AlarmClock& alarms,
                                 platform::Notifications& notifications, HandlerEntry enter,
                                 QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , alarms_(alarms)
    , notifications_(notifications) {
    notifications_.ListenForStop([this, enter](int key) { enter([this, key] { Stop(key); }); });
}

DesktopNotifier::~DesktopNotifier() {
    notifications_.ListenForStop({});
}

void DesktopNotifier::TimerRang(int n) {
    notifications_.Notify(n, timers_.Label(n),
                          QStringLiteral("Set for %1").arg(timers_.SetTimeText(n)));
}

void DesktopNotifier::TimerRanOutAt(int n, QTime at) {
    notifications_.Notify(n, timers_.Label(n),
                          QStringLiteral("Set for %1, ran out at %2")
                              .arg(timers_.SetTimeText(n), at.toString(QStringLiteral("HH:mm"))));
}

void DesktopNotifier::AlarmRang(int alarm) {
    const QString time = TimeToStr(alarms_[alarm].time).section(u':', 0, 1);
    notifications_.Notify(kAlarmKey + alarm, QStringLiteral("Alarm %1").arg(alarm),
                          time + u' ' + alarms_[alarm].amPm);
}

void DesktopNotifier::AlarmMissed(int alarm, const QDateTime& at) {
    notifications_.Notify(
        kAlarmKey + alarm, QStringLiteral("Alarm %1 missed").arg(alarm),
        QStringLiteral("It was due at %1").arg(at.toString(QStringLiteral("HH:mm"))));
}

void DesktopNotifier::TimerAcknowledged(int n) {
    notifications_.Withdraw(n);
}

void DesktopNotifier::AlarmSwitchedOff(int alarm) {
    notifications_.Withdraw(kAlarmKey + alarm);
}

void DesktopNotifier::Stop(int key) {
    // Its own alert only: a tea timer's Stop leaves tomorrow's alarm armed.
    if (key == kAlarmKey + 1 || key == kAlarmKey + 2)
        emit AlarmStopAsked(key - kAlarmKey);
    else if (slot::IsSlot(key))
        emit TimerStopAsked(key);
    // Gone from the desktop whatever it found: it was chosen there.
    notifications_.Withdraw(key);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop hears of every alert: a notification for each timer that runs
// out and each alarm that rings, with a "Stop" that acknowledges as Enter
// does. Acknowledged in the window, it goes away by itself.
#include "core/Convert.h"
#include "core/SlotFlags.h"
#include "models/Prefs.h"
#include "window/MainWindow.h"

namespace {

// The notifications' keys: a slot's number, or one of the alarms'.
constexpr int kAlarmKey = 100;

} // namespace

void MainWindow::NotifyExpiry(int N) {
    platform_.notifications.Notify(N, timers_.Label(N),
                                   QStringLiteral("Set for %1").arg(timers_.SetTimeText(N)));
}

void MainWindow::NotifyAlarm(int alarm) {
    const QString time = TimeToStr(alarms_[alarm].time).section(u':', 0, 1);
    platform_.notifications.Notify(kAlarmKey + alarm, QStringLiteral("Alarm %1").arg(alarm),
                                   time + u' ' + alarms_[alarm].amPm);
}

void MainWindow::WithdrawNotification(int key) {
    platform_.notifications.Withdraw(key);
}

void MainWindow::WithdrawAlarmNotification(int alarm) {
    WithdrawNotification(kAlarmKey + alarm);
}

void MainWindow::NotificationStop(int key) {
    // Its own alert only: a tea timer's Stop leaves tomorrow's alarm armed.
    if (key == kAlarmKey + 1 && Alarm1Ringing())
        ToggleAlarm1(alarm1OnOff);
    else if (key == kAlarmKey + 2 && Alarm2Snoozing())
        SwitchAlarm2Off();
    else if (slot::IsSlot(key) && timers_.IsRinging(key))
        ToggleSlot(key);
    // Gone from the desktop whatever it found: it was chosen there.
    WithdrawNotification(key);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The alerts as the user tuned them, and what the notifications and the
// command line ask of a ringing alert: stop, snooze, again.
#include "Quorbel.h"

#include <QDateTime>

namespace {

constexpr int kSnoozeTicks = 5 * 60;

} // namespace

void Quorbel::connectAlerts() {
    flasher_.setStandardSoundPlays([this] { return tunedAlerts_.standardSoundPlays(); });
    window_.afterFirstFrame([this] { alertTuner_.load(); });
    connect(&alarmPanel_, &AlarmPanel::rings, this, [this](int alarm) {
        guard([&] { tunedAlerts_.ring(AlertOptions::alarmKey(alarm)); });
    });
    connect(&alarmPanel_, &AlarmPanel::snoozeSounds, this,
            [this] { guard([&] { tunedAlerts_.ring(AlertOptions::alarmKey(2)); }); });
    connect(&alarmPanel_, &AlarmPanel::switchClicked, this, [this](int alarm) {
        guard([&] { tunedAlerts_.settle(AlertOptions::alarmKey(alarm)); });
    });
    // An own sound that cannot be played gives way to the standard sound, once.
    connect(&tunedAlerts_, &TunedAlerts::soundFailed, this,
            [this] { guard([this] { flasher_.play(file::EndSound); }); });
    connect(&tunedAlerts_, &TunedAlerts::endsSoon, this,
            [this](int n, int minutes) { guard([&] { notifier_.timerEndsSoon(n, minutes); }); });
    // Once the acknowledgement is over, and only if nothing else started it.
    connect(
        &tunedAlerts_, &TunedAlerts::repeatAsked, this,
        [this](int n) {
            handle([&] {
                if (timers_.stateOf(n) == Timers::State::Idle)
                    toggleTimer(n);
            });
        },
        Qt::QueuedConnection);
    connect(window_.slotAlertOptionsItem, &MenuItem::clicked, this,
            [this] { handle([this] { alertTuner_.open(rows_.pressedSlot()); }); });
    for (int alarm : {1, 2}) {
        MenuItem* item =
            alarm == 1 ? window_.alarm1AlertOptionsItem : window_.alarm2AlertOptionsItem;
        connect(item, &MenuItem::clicked, this, [this, alarm] {
            handle([&] { alertTuner_.open(AlertOptions::alarmKey(alarm)); });
        });
    }
}

void Quorbel::connectAlertActions() {
    connect(&notifier_, &DesktopNotifier::timerSnoozeAsked, this,
            [this](int n) { handle([&] { snoozeTimer(n); }); });
    connect(&notifier_, &DesktopNotifier::timerAgainAsked, this,
            [this](int n) { handle([&] { againTimer(n); }); });
    connect(&notifier_, &DesktopNotifier::alarmSnoozeAsked, this, [this](int alarm) {
        handle([&] {
            // Alarm 2 snoozes by itself: its sound stops until the next.
            if (alarm == 1)
                alarmPanel_.snoozeAlarm1(kSnoozeTicks * 1000);
            tunedAlerts_.settle(AlertOptions::alarmKey(alarm));
        });
    });
    connect(&notifier_, &DesktopNotifier::alarmStopAsked, this, [this](int alarm) {
        guard([&] { tunedAlerts_.settle(AlertOptions::alarmKey(alarm)); });
    });
    connect(&notifier_, &DesktopNotifier::showAsked, this,
            [this] { guard([this] { platform_.windows.raise(&window_); }); });
    connect(&commands_, &CommandRunner::snoozeAsked, this,
            [this] { handle([this] { snoozeAll(); }); });
    connect(&commands_, &CommandRunner::acknowledgeAsked, this,
            [this] { handle([this] { acknowledgeAlerts(); }); });
    connect(&commands_, &CommandRunner::againAsked, this,
            [this](int n) { handle([&] { againTimer(n); }); });
}

void Quorbel::snoozeTimer(int n) {
    if (!timers_.isRinging(n))
        return;
    toggleTimer(n);
    // A countdown shows 00:00:00 for a second before it rings.
    const int seconds = timer::isCountdown(n) ? kSnoozeTicks + 1 : kSnoozeTicks;
    timers_.runFor(n, seconds);
    notifier_.timerSnoozed(
        n,
        QDateTime::fromMSecsSinceEpoch(platform_.clock.wallMs() + 1000 * qint64(seconds)).time());
}

void Quorbel::againTimer(int n) {
    if (timers_.stateOf(n) != Timers::State::Idle)
        toggleTimer(n);
    toggleTimer(n);
}

void Quorbel::snoozeAll() {
    timer::forEach([this](int n) { snoozeTimer(n); });
    if (alarmPanel_.alarm1Ringing()) {
        alarmPanel_.snoozeAlarm1(kSnoozeTicks * 1000);
        notifier_.alarmSwitchedOff(1);
    }
    if (alarms_.alarm2Snoozing())
        notifier_.alarmSwitchedOff(2);
    for (int alarm : {1, 2})
        tunedAlerts_.settle(AlertOptions::alarmKey(alarm));
}

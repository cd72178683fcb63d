// SPDX-License-Identifier: GPL-3.0-or-later
// The alerts as the user tuned them, and what the notifications and the
// command line ask of a ringing alert: stop, snooze, again.
#include "Quorbel.h"

#include <QDateTime>

namespace {

constexpr int kSnoozeTicks = 5 * 60;

} // namespace

void Quorbel::ConnectAlerts() {
    flasher_.SetDesignSoundPlays([this] { return tunedAlerts_.DesignSoundPlays(); });
    window_.AfterFirstFrame([this] { alertTuner_.Load(); });
    connect(&alarmPanel_, &AlarmPanel::Rings, this, [this](int alarm) {
        Guard([&] { tunedAlerts_.Ring(AlertOptions::AlarmKey(alarm)); });
    });
    connect(&alarmPanel_, &AlarmPanel::SnoozeSounds, this,
            [this] { Guard([&] { tunedAlerts_.Ring(AlertOptions::AlarmKey(2)); }); });
    connect(&alarmPanel_, &AlarmPanel::SwitchClicked, this, [this](int alarm) {
        Guard([&] { tunedAlerts_.Settle(AlertOptions::AlarmKey(alarm)); });
    });
    // An own sound that cannot be played gives way to the design's, once.
    connect(&tunedAlerts_, &TunedAlerts::SoundFailed, this,
            [this] { Guard([this] { flasher_.Play(file::EndSound); }); });
    connect(&tunedAlerts_, &TunedAlerts::EndsSoon, this,
            [this](int n, int minutes) { Guard([&] { notifier_.TimerEndsSoon(n, minutes); }); });
    // Once the acknowledgement is over, and only if nothing else started it.
    connect(
        &tunedAlerts_, &TunedAlerts::RepeatAsked, this,
        [this](int n) {
            Handle([&] {
                if (timers_.StateOf(n) == Timers::State::Idle)
                    ToggleTimer(n);
            });
        },
        Qt::QueuedConnection);
    connect(window_.slotAlertOptionsItem, &MenuItem::Click, this,
            [this] { Handle([this] { alertTuner_.Open(rows_.PressedSlot()); }); });
    for (int alarm : {1, 2}) {
        MenuItem* item =
            alarm == 1 ? window_.alarm1AlertOptionsItem : window_.alarm2AlertOptionsItem;
        connect(item, &MenuItem::Click, this, [this, alarm] {
            Handle([&] { alertTuner_.Open(AlertOptions::AlarmKey(alarm)); });
        });
    }
}

void Quorbel::ConnectAlertActions() {
    connect(&notifier_, &DesktopNotifier::TimerSnoozeAsked, this,
            [this](int n) { Handle([&] { SnoozeTimer(n); }); });
    connect(&notifier_, &DesktopNotifier::TimerAgainAsked, this,
            [this](int n) { Handle([&] { AgainTimer(n); }); });
    connect(&notifier_, &DesktopNotifier::AlarmSnoozeAsked, this, [this](int alarm) {
        Handle([&] {
            // Alarm 2 snoozes by itself: its sound stops until the next.
            if (alarm == 1)
                alarmPanel_.SnoozeAlarm1(kSnoozeTicks * 1000);
            tunedAlerts_.Settle(AlertOptions::AlarmKey(alarm));
        });
    });
    connect(&notifier_, &DesktopNotifier::AlarmStopAsked, this, [this](int alarm) {
        Guard([&] { tunedAlerts_.Settle(AlertOptions::AlarmKey(alarm)); });
    });
    connect(&notifier_, &DesktopNotifier::ShowAsked, this,
            [this] { Guard([this] { platform_.windows.Raise(&window_); }); });
    connect(&commands_, &CommandRunner::SnoozeAsked, this,
            [this] { Handle([this] { SnoozeAll(); }); });
    connect(&commands_, &CommandRunner::AcknowledgeAsked, this,
            [this] { Handle([this] { AcknowledgeAlerts(); }); });
    connect(&commands_, &CommandRunner::AgainAsked, this,
            [this](int n) { Handle([&] { AgainTimer(n); }); });
}

void Quorbel::SnoozeTimer(int n) {
    if (!timers_.IsRinging(n))
        return;
    ToggleTimer(n);
    // A countdown shows 00:00:00 for a second before it rings.
    const int seconds = slot::IsCountdown(n) ? kSnoozeTicks + 1 : kSnoozeTicks;
    timers_.RunFor(n, seconds);
    notifier_.TimerSnoozed(
        n,
        QDateTime::fromMSecsSinceEpoch(platform_.clock.WallMs() + 1000 * qint64(seconds)).time());
}

void Quorbel::AgainTimer(int n) {
    if (timers_.StateOf(n) != Timers::State::Idle)
        ToggleTimer(n);
    ToggleTimer(n);
}

void Quorbel::SnoozeAll() {
    slot::ForEachSlot([this](int n) { SnoozeTimer(n); });
    if (alarmPanel_.Alarm1Ringing()) {
        alarmPanel_.SnoozeAlarm1(kSnoozeTicks * 1000);
        notifier_.AlarmSwitchedOff(1);
    }
    if (alarmPanel_.Alarm2Snoozing())
        notifier_.AlarmSwitchedOff(2);
    for (int alarm : {1, 2})
        tunedAlerts_.Settle(AlertOptions::AlarmKey(alarm));
}

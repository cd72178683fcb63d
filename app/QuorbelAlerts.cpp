// SPDX-License-Identifier: GPL-3.0-or-later
// The alerts as the user tuned them.
#include "Quorbel.h"

void Quorbel::connectAlerts() {
    flasher_.setTunedSound([this](const QString& path, bool repeats) {
        return tunedAlerts_.playStandard(path, repeats);
    });
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
            runHandler([&] {
                if (timers_.stateOf(n) == Timers::State::Idle)
                    alertActions_.toggleTimer(n);
            });
        },
        Qt::QueuedConnection);
    connect(window_.slotAlertOptionsItem, &MenuItem::clicked, this,
            [this] { runHandler([this] { alertTuner_.openFor(rows_.pressedSlot()); }); });
    for (int alarm : {1, 2}) {
        MenuItem* item =
            alarm == 1 ? window_.alarm1AlertOptionsItem : window_.alarm2AlertOptionsItem;
        connect(item, &MenuItem::clicked, this, [this, alarm] {
            runHandler([&] { alertTuner_.openFor(AlertOptions::alarmKey(alarm)); });
        });
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlertFlasher.h"

#include "core/Colors.h"
#include "core/Guard.h"

namespace {

struct FlashLook {
    int background;
    int font;
};

// The two colourings that alternate; phase 0 paints red, any other blue.
FlashLook FlashFor(int& phase) {
    if (phase == 0) {
        phase = 1;
        return {clr::Red, clr::Navy};
    }
    phase = 0;
    return {clr::Blue, clr::Yellow};
}

} // namespace

AlertFlasher::AlertFlasher(Timers& timers, TimerRows& rows, Controls controls,
                           platform::Sound& sound, const UserFiles& files, HandlerEntry enter,
                           QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , rows_(rows)
    , controls_(controls)
    , sound_(sound)
    , files_(files)
    , enter_(std::move(enter)) {
    connect(controls_.beat, &IntervalTimer::Timer, this, [this] { enter_([this] { Flash(); }); });
    // A change of the sound options silences the alert; the rows stay as
    // the last beat left them.
    for (CheckBox* option : {controls_.sound, controls_.recur, controls_.alarmRecur})
        connect(option, &CheckBox::clicked, this, [this] { Stop(); });
}

void AlertFlasher::StartForTimer() {
    endSoundDue_ = true;
    controls_.beat->SetInterval(1000);
}

void AlertFlasher::StartForAlarm() {
    controls_.beat->SetInterval(1000);
}

void AlertFlasher::Stop() {
    controls_.beat->SetInterval(0);
}

void AlertFlasher::StopIfNoneRings() {
    if (!timers_.AnyRinging())
        Stop();
}

void AlertFlasher::Acknowledge() {
    timers_.AcknowledgeAll();
    flashed_ = false;
}

void AlertFlasher::Flash() {
    emit Beat();
    const FlashLook countdown = FlashFor(countdownPhase_);
    for (int n = slot::FirstCountdown; n <= slot::LastCountdown; ++n) {
        if (timers_.IsRinging(n))
            rows_.Paint(n, countdown.background, countdown.font);
    }
    const FlashLook quick = FlashFor(quickPhase_);
    for (int n = slot::FirstQuick; n <= slot::LastQuick; ++n) {
        if (timers_.IsRinging(n))
            rows_.Paint(n, quick.background, quick.font);
    }

    if (controls_.sound->isChecked()) {
        if (controls_.recur->isChecked()) {
            PlayAlert(file::RepeatSound);
        } else {
            if (endSoundDue_)
                PlayAlert(file::EndSound);
            endSoundDue_ = false;
        }
    }
    flashed_ = true;
}

void AlertFlasher::Play(const QString& name) {
    sound_.Play(files_.Read(name));
}

void AlertFlasher::PlayAlert(const QString& name) {
    if (!designSoundPlays_ || designSoundPlays_())
        Play(name);
}

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
FlashLook flashFor(int& phase) {
    if (phase == 0) {
        phase = 1;
        return {clr::Red, clr::Navy};
    }
    phase = 0;
    return {clr::Blue, clr::Yellow};
}

} // namespace

AlertFlasher::AlertFlasher(Timers& timers, const Options& options, TimerRows& rows,
                           platform::Sound& sound, const UserFiles& files, HandlerEntry enter,
                           QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , options_(options)
    , rows_(rows)
    , sound_(sound)
    , files_(files)
    , enter_(std::move(enter)) {
    connect(&beat_, &IntervalTimer::timeout, this, [this] { enter_([this] { flash(); }); });
    // A change of the sound options silences the alert; the rows stay as
    // the last beat left them.
    connect(&options_, &Options::soundChanged, this, [this] { stopBeat(); });
}

void AlertFlasher::startForTimer() {
    endSoundDue_ = true;
    beat_.setInterval(1000);
}

void AlertFlasher::startForAlarm() {
    beat_.setInterval(1000);
}

void AlertFlasher::stopBeat() {
    beat_.setInterval(0);
}

void AlertFlasher::stopIfNoneRings() {
    if (!timers_.anyRinging())
        stopBeat();
}

void AlertFlasher::acknowledge() {
    timers_.acknowledgeAll();
    flashed_ = false;
}

void AlertFlasher::flash() {
    emit beat();
    const FlashLook countdown = flashFor(countdownPhase_);
    for (int n = timer::FirstCountdown; n <= timer::LastCountdown; ++n) {
        if (timers_.isRinging(n))
            rows_.paint(n, countdown.background, countdown.font);
    }
    const FlashLook quick = flashFor(quickPhase_);
    for (int n = timer::FirstQuick; n <= timer::LastQuick; ++n) {
        if (timers_.isRinging(n))
            rows_.paint(n, quick.background, quick.font);
    }

    if (options_.sound()) {
        if (options_.recur()) {
            playAlert(file::RepeatSound);
        } else {
            if (endSoundDue_)
                playAlert(file::EndSound);
            endSoundDue_ = false;
        }
    }
    flashed_ = true;
}

void AlertFlasher::play(const QString& name) {
    sound_.play(files_.read(name));
}

void AlertFlasher::playAlert(const QString& name) {
    if (!standardSoundPlays_ || standardSoundPlays_())
        play(name);
}

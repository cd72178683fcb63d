// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlertFlasher.h"

#include "core/Colors.h"
#include "core/Guard.h"

namespace {

struct FlashLook {
    int background;
    int font;
};
constexpr FlashLook kRed{clr::Red, clr::Navy};
constexpr FlashLook kBlue{clr::Blue, clr::Yellow};

// The two colourings that alternate; phase 0 paints red, any other blue.
FlashLook flashFor(int& phase) {
    if (phase == 0) {
        phase = 1;
        return kRed;
    }
    phase = 0;
    return kBlue;
}

// The colouring the last beat gave.
FlashLook lastFlash(int phase) {
    return phase == 0 ? kBlue : kRed;
}

void paintRinging(const Timers& timers, TimerRows& rows, FlashLook countdown, FlashLook quick) {
    timer::forEach([&](int n) {
        const FlashLook look = timer::isCountdown(n) ? countdown : quick;
        if (timers.isRinging(n))
            rows.paint(n, look.background, look.font);
    });
}

} // namespace

AlertFlasher::AlertFlasher(Timers& timers, const Options& options, TimerRows& rows,
                           platform::Sound& sound, platform::Clock& clock, const UserFiles& files,
                           HandlerEntry enter, QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , options_(options)
    , rows_(rows)
    , sound_(sound)
    , clock_(clock)
    , files_(files)
    , enter_(std::move(enter)) {
    connect(&beat_, &IntervalTimer::timeout, this, [this] { enter_([this] { flash(); }); });
    // A change of the sound options silences the alert; the rows stay as
    // the last beat left them.
    connect(&options_, &Options::soundChanged, this, [this] { stopBeat(); });
}

void AlertFlasher::startForTimer() {
    endSoundDue_ = true;
    if (!beating()) {
        startForAlarm();
        return;
    }
    // The beat already runs for another alert: this one joins it at once,
    // in the colouring it shows, and its sound does not wait for the beat.
    paintRinging(timers_, rows_, lastFlash(countdownPhase_), lastFlash(quickPhase_));
    if (soundedAt_ == clock_.sinceBoot())
        endSoundDue_ = false;
    else
        soundBeat();
}

void AlertFlasher::startForAlarm() {
    // The first beat at the moment of the ring, not a second after it.
    if (!beating()) {
        beat_.startAfter(1000, 1000);
        flash();
    }
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
    paintRinging(timers_, rows_, countdown, flashFor(quickPhase_));
    soundBeat();
    flashed_ = true;
}

void AlertFlasher::soundBeat() {
    if (!options_.sound())
        return;
    if (!options_.recur() && !std::exchange(endSoundDue_, false))
        return;
    soundedAt_ = clock_.sinceBoot();
    playAlert(options_.recur() ? file::RepeatSound : file::EndSound);
}

void AlertFlasher::play(const QString& name) {
    sound_.play(files_.read(name));
}

void AlertFlasher::playAlert(const QString& name) {
    const QString path = files_.read(name);
    if (!tunedSound_ || !tunedSound_(path, name == file::RepeatSound))
        sound_.play(path);
}

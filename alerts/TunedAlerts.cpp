// SPDX-License-Identifier: GPL-3.0-or-later
#include "TunedAlerts.h"

#include "core/Guard.h"

#include <QPointer>

namespace {

constexpr int kSoftStartMs = 15000;
// The warning's sound: short, and softer than any alert.
const QString kWarningSound = QStringLiteral("complete");
constexpr int kWarningVolume = 60;

} // namespace

QString soundFile(const AlertTune& tune, platform::Sound& sound) {
    return tune.sound == AlertTune::Sound::Theme ? sound.themeSoundFile(tune.source) : tune.source;
}

TunedAlerts::TunedAlerts(const AlertOptions& options, Timers& timers, platform::Sound& sound,
                         QObject* parent)
    : QObject(parent)
    , options_(options)
    , timers_(timers)
    , sound_(sound) {
    connect(&timers_, &Timers::expired, this, [this](int n) { guard([&] { ring(n); }); });
    connect(&timers_, &Timers::cleared, this, [this](int n) {
        guard([&] {
            warnDue_.remove(n);
            settle(n);
        });
    });
    connect(&timers_, &Timers::acknowledged, this, [this](int n) {
        if (options_.of(n).repeat)
            emit repeatAsked(n);
    });
    for (auto started : {&Timers::started, &Timers::resumed})
        connect(&timers_, started, this, [this](int n) { guard([&] { armWarning(n); }); });
    connect(&timers_, &Timers::changed, this, [this](int n) {
        if (warnDue_.contains(n))
            guard([&] { checkWarning(n); });
    });
}

void TunedAlerts::ring(int key) {
    // Alarm 1 with "Recur" rings at every tick of its minute: its sound
    // goes on as it is.
    if (!ringing_.isEmpty() && ringing_.constLast() == key && sounding_ == key)
        return;
    ringing_.removeAll(key);
    ringing_.append(key);
    soundLatest();
}

void TunedAlerts::settle(int key) {
    if (ringing_.removeAll(key))
        soundLatest();
}

bool TunedAlerts::standardSoundPlays() const {
    return ringing_.isEmpty() ||
           options_.of(ringing_.constLast()).sound == AlertTune::Sound::Standard;
}

void TunedAlerts::soundLatest() {
    const int key = ringing_.isEmpty() ? 0 : ringing_.constLast();
    const AlertTune& tune = options_.of(key);
    if (!key || !tune.ownSound()) {
        if (sounding_)
            sound_.stopTone(platform::Sound::Channel::Alert);
        sounding_ = 0;
        return;
    }
    sounding_ = key;
    const QString path = soundFile(tune, sound_);
    unplayable_.remove(key);
    sound_.playTone({path, tune.volume, tune.softStart ? kSoftStartMs : 0, true,
                     platform::Sound::Channel::Alert},
                    [self = QPointer(this), key] {
                        if (!self)
                            return;
                        self->unplayable_.insert(key);
                        if (self->sounding_ == key)
                            self->sounding_ = 0;
                        emit self->soundFailed(key);
                    });
}

void TunedAlerts::armWarning(int n) {
    const int minutes = options_.of(n).warnMinutes;
    // A timer set for less than its warning has nothing to be warned of.
    if (minutes > 0 && timers_.secondsLeft(n) > minutes * 60)
        warnDue_.insert(n);
    else
        warnDue_.remove(n);
}

void TunedAlerts::checkWarning(int n) {
    const int minutes = options_.of(n).warnMinutes;
    if (!timers_.isRunning(n) || minutes <= 0 || timers_.secondsLeft(n) > minutes * 60)
        return;
    warnDue_.remove(n);
    const QString path = sound_.themeSoundFile(kWarningSound);
    if (!path.isEmpty())
        sound_.playTone({path, kWarningVolume, 0, false, platform::Sound::Channel::Cue}, [] {});
    emit endsSoon(n, minutes);
}

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
                         platform::Clock& clock, QObject* parent)
    : QObject(parent)
    , options_(options)
    , timers_(timers)
    , sound_(sound)
    , clock_(clock) {
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

bool TunedAlerts::playStandard(const QString& path, bool repeats) {
    if (ringing_.isEmpty())
        return false;
    const int key = ringing_.constLast();
    const AlertTune& tune = options_.of(key);
    if (tune.sound != AlertTune::Sound::Standard)
        return true;
    // Only the sound that repeats rises: the one that plays once, at the
    // alert's start, would be all but silent.
    const bool rises = tune.softStart && repeats;
    if (tune.volume >= 100 && !rises)
        return false;
    const qint64 risen = qMin<qint64>(clock_.sinceBoot() - latestSince_, kSoftStartMs);
    sounding_ = key;
    // Each start cuts off the one before, as the desktop's player does; one
    // that cannot be played goes to that player, which has a sound for it.
    sound_.playTone({path, tune.volume, rises ? kSoftStartMs : 0, false,
                     platform::Sound::Channel::Alert, rises ? int(risen) : 0},
                    [self = QPointer(this), path] {
                        if (self)
                            self->sound_.play(path);
                    });
    return true;
}

void TunedAlerts::soundLatest() {
    const int key = ringing_.isEmpty() ? 0 : ringing_.constLast();
    if (key != latest_) {
        latest_ = key;
        latestSince_ = clock_.sinceBoot();
    }
    const AlertTune& tune = options_.of(key);
    if (!key || !tune.ownSound()) {
        // The latest alert's own standard sound, tuned, plays out; any
        // other tone stops.
        if (sounding_ && sounding_ != key)
            sound_.stopTone(platform::Sound::Channel::Alert);
        if (sounding_ != key)
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

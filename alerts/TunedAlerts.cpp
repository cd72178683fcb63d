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

QString SoundFile(const AlertTune& tune, platform::Sound& sound) {
    return tune.sound == AlertTune::Sound::Theme ? sound.ThemeSoundFile(tune.source) : tune.source;
}

TunedAlerts::TunedAlerts(const AlertOptions& options, Timers& timers, platform::Sound& sound,
                         QObject* parent)
    : QObject(parent)
    , options_(options)
    , timers_(timers)
    , sound_(sound) {
    connect(&timers_, &Timers::Expired, this, [this](int n) { Guard([&] { Ring(n); }); });
    connect(&timers_, &Timers::Cleared, this, [this](int n) {
        Guard([&] {
            warnDue_.remove(n);
            Settle(n);
        });
    });
    connect(&timers_, &Timers::Acknowledged, this, [this](int n) {
        if (options_.Of(n).repeat)
            emit RepeatAsked(n);
    });
    for (auto started : {&Timers::Started, &Timers::Resumed})
        connect(&timers_, started, this, [this](int n) { Guard([&] { ArmWarning(n); }); });
    connect(&timers_, &Timers::Changed, this, [this](int n) {
        if (warnDue_.contains(n))
            Guard([&] { CheckWarning(n); });
    });
}

void TunedAlerts::Ring(int key) {
    // Alarm 1 with "Recur" rings at every tick of its minute: its sound
    // goes on as it is.
    if (!ringing_.isEmpty() && ringing_.constLast() == key && sounding_ == key)
        return;
    ringing_.removeAll(key);
    ringing_.append(key);
    SoundLatest();
}

void TunedAlerts::Settle(int key) {
    if (ringing_.removeAll(key))
        SoundLatest();
}

bool TunedAlerts::DesignSoundPlays() const {
    return ringing_.isEmpty() ||
           options_.Of(ringing_.constLast()).sound == AlertTune::Sound::Design;
}

void TunedAlerts::SoundLatest() {
    const int key = ringing_.isEmpty() ? 0 : ringing_.constLast();
    const AlertTune& tune = options_.Of(key);
    if (!key || !tune.OwnSound()) {
        if (sounding_)
            sound_.StopTone(platform::Sound::Channel::Alert);
        sounding_ = 0;
        return;
    }
    sounding_ = key;
    const QString path = SoundFile(tune, sound_);
    unplayable_.remove(key);
    sound_.PlayTone({path, tune.volume, tune.softStart ? kSoftStartMs : 0, true,
                     platform::Sound::Channel::Alert},
                    [self = QPointer(this), key] {
                        if (!self)
                            return;
                        self->unplayable_.insert(key);
                        if (self->sounding_ == key)
                            self->sounding_ = 0;
                        emit self->SoundFailed(key);
                    });
}

void TunedAlerts::ArmWarning(int n) {
    const int minutes = options_.Of(n).warnMinutes;
    // A timer set for less than its warning has nothing to be warned of.
    if (minutes > 0 && timers_.SecondsLeft(n) > minutes * 60)
        warnDue_.insert(n);
    else
        warnDue_.remove(n);
}

void TunedAlerts::CheckWarning(int n) {
    const int minutes = options_.Of(n).warnMinutes;
    if (!timers_.IsRunning(n) || minutes <= 0 || timers_.SecondsLeft(n) > minutes * 60)
        return;
    warnDue_.remove(n);
    const QString path = sound_.ThemeSoundFile(kWarningSound);
    if (!path.isEmpty())
        sound_.PlayTone({path, kWarningVolume, 0, false, platform::Sound::Channel::Cue}, [] {});
    emit EndsSoon(n, minutes);
}

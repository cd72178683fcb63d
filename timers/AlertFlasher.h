// SPDX-License-Identifier: GPL-3.0-or-later
// The alert: once a second, while a timer rings, its row flashes between
// two colourings and, with "Sound" on, the end sound plays once or, with
// "Recur", the repeat sound every time. Alarm 1's repeating alert runs on
// the same beat. Enter after the first flash acknowledges every ringing
// timer.
#pragma once

#include "TimerRows.h"
#include "core/Guard.h"
#include "core/UserFiles.h"
#include "models/Options.h"
#include "models/Timers.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"
#include "widgets/IntervalTimer.h"

#include <QObject>

class AlertFlasher : public QObject {
    Q_OBJECT
public:
    AlertFlasher(Timers& timers, const Options& options, TimerRows& rows, platform::Sound& sound,
                 platform::Clock& clock, const UserFiles& files, HandlerEntry enter,
                 QObject* parent);

    // A timer rang: the beat starts with a first beat at once, and the end
    // sound is due once.
    void startForTimer();
    // Alarm 1 repeats: the beat alone, its first at once.
    void startForAlarm();
    void stopBeat();
    bool beating() const { return beat_.interval() != 0; }
    // Stops once no timer rings any more.
    void stopIfNoneRings();
    // The alert has flashed since the last acknowledgement: Enter now
    // takes every ringing timer back to rest.
    bool flashed() const { return flashed_; }
    void acknowledge();
    // One beat, as the timer gives it.
    void flash();
    // A sound file of the user's, or else the installed one.
    void play(const QString& name);
    // The same as an alert's sound, which tuned decides first: it plays
    // the file the alert's own way, or keeps it quiet, or returns false
    // for the file to play as it is.
    void playAlert(const QString& name);
    using TunedSound = std::function<bool(const QString& path, bool repeats)>;
    void setTunedSound(TunedSound tuned) { tunedSound_ = std::move(tuned); }

signals:
    // A beat has flashed.
    void beat();

private:
    // The beat's sound: the end sound once after a ring, or with "Recur"
    // the repeat sound every time.
    void soundBeat();

    Timers& timers_;
    const Options& options_;
    TimerRows& rows_;
    // A second apart while an alert flashes.
    IntervalTimer beat_{nullptr, QStringLiteral("alertBeat"), 0};
    platform::Sound& sound_;
    platform::Clock& clock_;
    const UserFiles& files_;
    HandlerEntry enter_;
    TunedSound tunedSound_;
    bool endSoundDue_ = false;
    // When the beat last sounded, on the clock since boot: two rings at one
    // moment sound once.
    qint64 soundedAt_ = -1;
    bool flashed_ = false;
    // The colouring the next beat gives ringing countdowns and quick timers.
    int countdownPhase_ = 1;
    int quickPhase_ = 1;
};

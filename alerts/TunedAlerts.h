// SPDX-License-Identifier: GPL-3.0-or-later
// The alerts as each user tuned them: a countdown's or an alarm's own
// sound, looped until its alert is acknowledged and rising softly where
// asked; a soft warning before a countdown's end; a countdown that starts
// again when acknowledged. Those left untouched alert as the "Sound" and
// "Recur" boxes say; the standard sound of one tuned plays at its volume
// and rise.
#pragma once

#include "models/AlertOptions.h"
#include "models/Timers.h"
#include "platform/Platform.h"

#include <QList>
#include <QObject>
#include <QSet>

// The file an alert's own sound plays: the theme's, or the user's.
QString soundFile(const AlertTune& tune, platform::Sound& sound);

class TunedAlerts : public QObject {
    Q_OBJECT
public:
    TunedAlerts(const AlertOptions& options, Timers& timers, platform::Sound& sound,
                platform::Clock& clock, QObject* parent);

    // An alert began, or sounded again: a timer ran out (its number), an
    // alarm rang or snoozed (AlertOptions::alarmKey). The latest alert's
    // sound is the one heard.
    void ring(int key);
    // Its alert ended; the one before it, if it still rings, is heard again.
    void settle(int key);
    // The standard sound's file is due (repeats: the one that sounds every
    // second): played here at the latest alert's volume and rise, or kept
    // quiet for an alert with a sound of its own or none. False leaves it
    // to the desktop's player, as for an alert never tuned.
    bool playStandard(const QString& path, bool repeats);
    // Its sound could not be played the last time it rang.
    bool unplayable(int key) const { return unplayable_.contains(key); }

signals:
    // A countdown with "Repeat" was acknowledged: it is to start again.
    void repeatAsked(int n);
    // A countdown the user asked to be warned of ends in that many minutes.
    void endsSoon(int n, int minutes);
    // Its own sound could not be played: the standard sound plays once instead.
    void soundFailed(int key);

private:
    // The latest alert's own sound, or silence for the standard one to sound.
    void soundLatest();
    void armWarning(int n);
    void checkWarning(int n);

    const AlertOptions& options_;
    Timers& timers_;
    platform::Sound& sound_;
    platform::Clock& clock_;
    // The alerts ringing, in the order they began; the one whose sound is
    // on the alert's channel; the latest, and since when, for its rise.
    QList<int> ringing_;
    int sounding_ = 0;
    int latest_ = 0;
    qint64 latestSince_ = 0;
    QSet<int> unplayable_;
    // The countdowns whose warning is still to come.
    QSet<int> warnDue_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The stopwatch: a count of the seconds that really passed while it runs,
// kept as the settings file always kept it, in days, each second a minute's worth.
#pragma once

#include <QObject>
#include <QString>

class Stopwatch : public QObject {
    Q_OBJECT
public:
    bool running() const { return running_; }
    // Never started since it was last cleared at rest.
    bool atRest() const { return atRest_; }
    double days() const { return days_; }
    // What its button shows: "SW" at rest, "0.00" from a start or a clear
    // until its first second, then minutes and seconds ("1:15", "42:07"),
    // and from an hour on hours and minutes ("1h05").
    QString text() const;

    // Starts it, or pauses it where it is.
    void toggle();
    // Back to zero: at rest when paused, counting on from zero when running.
    void backToZero();
    // The seconds the tick took off.
    void advance(int seconds);
    // The seconds it has counted since its start or its last clear.
    qint64 seconds() const;
    // Back as it was before the program went away: counted that far, and
    // running on or paused.
    void restore(qint64 seconds, bool running);

signals:
    void changed();
    // Started, paused, cleared or restored: not a tick's count.
    void turned();

private:
    bool running_ = false;
    bool atRest_ = true;
    bool counted_ = false;
    double days_ = 0.0;
};

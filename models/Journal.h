// SPDX-License-Identifier: GPL-3.0-or-later
// What runs, kept on disk at every change so that a crash, a kill, a
// logout or a reboot loses none of it: each running timer with the moment
// it rings, on the wall clock and on the clock since boot, each timer still
// ringing, the alarms that are on, alarm 2's snooze and the stopwatch. Its
// file, "journal.qbx", is the program's own:
//
//   quorbel journal 1
//   boot <the system's boot id>
//   running <timer> <wall ms> <since-boot ms>
//   ringing <timer> <wall ms>
//   stopwatch running <wall ms> <since-boot ms>   (the moment it read zero)
//   stopwatch paused <seconds>
//   alarm <1 or 2> <wall ms>   an alarm that is on, and the minute it rings next
//   snooze <wall ms>           alarm 2 snoozing, and its next sound
//
// A file that does not read exactly so is foreign and never trusted.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

struct Journal {
    struct Running {
        int timer;
        // When it rings: milliseconds since the epoch, and since boot.
        qint64 wallMs;
        qint64 bootMs;
        bool operator==(const Running&) const = default;
    };
    struct Ringing {
        int timer;
        // When it ran out, since the epoch.
        qint64 wallMs;
        bool operator==(const Ringing&) const = default;
    };

    struct StopwatchState {
        bool running;
        // Running: the moment it read zero; paused: the seconds it shows.
        qint64 wallMs;
        qint64 bootMs;
        qint64 seconds;
        bool operator==(const StopwatchState&) const = default;
    };

    // No number of a journal lies beyond this (in milliseconds, the year
    // 33658), and the stopwatch counts no further than a century.
    static constexpr qint64 kLargest = 999'999'999'999'999;
    static constexpr qint64 kLongestStopwatch = 100LL * 366 * 24 * 3600;

    QString bootId;
    QList<Running> running;
    QList<Ringing> ringing;
    std::optional<StopwatchState> stopwatch;
    // Each alarm that is on, with the minute it rings next (0 for none).
    QList<std::pair<int, qint64>> alarms;
    // Alarm 2 snoozes: when its next sound is due.
    std::optional<qint64> snooze;

    bool empty() const {
        return running.isEmpty() && ringing.isEmpty() && !stopwatch && alarms.isEmpty() && !snooze;
    }
    QByteArray bytes() const;
    // Nothing for a text that is not a journal of this program.
    static std::optional<Journal> parse(const QByteArray& bytes);
    bool operator==(const Journal&) const = default;
};

// The moment the program starts: on both clocks, and which boot it is.
struct Moment {
    qint64 wallMs;
    qint64 bootMs;
    QString bootId;
};

// What a start makes of a journal: the timers that resume, each with the
// moment it rings on this boot's clock, and the ones that ring at once, each
// with the moment it ran out. In the same boot the clock since boot counts,
// which no change of the wall clock moves; after a reboot the wall clock,
// whose moment such a timer keeps in case the clock is put right later.
struct Reconciled {
    struct Resume {
        int timer;
        qint64 dueBootMs;
        qint64 dueWallMs;
        // Reckoned by the wall clock, from another boot.
        bool byWall = false;
        bool operator==(const Resume&) const = default;
    };
    struct Ring {
        int timer;
        // Never later than now.
        qint64 ranOutWallMs;
        qint64 dueWallMs = 0;
        bool byWall = false;
        bool operator==(const Ring&) const = default;
    };
    QList<Resume> resume;
    QList<Ring> ring;
    // The stopwatch's seconds, and whether it runs on.
    std::optional<std::pair<qint64, bool>> stopwatch;
    // The alarms that were on: each armed again; one whose minute passed
    // less than 10 minutes ago rings now, an older one is missed.
    struct Alarm {
        int alarm;
        enum class Then { Armed, Rings, Missed } then;
        qint64 dueWallMs;
        bool operator==(const Alarm&) const = default;
    };
    QList<Alarm> alarms;
    // Alarm 2 snoozed on; its sound was due while the program was away.
    bool snoozes = false;
    bool snoozeDue = false;
};
Reconciled reconcile(const Journal& journal, const Moment& now);

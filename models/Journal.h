// SPDX-License-Identifier: GPL-3.0-or-later
// What runs, kept on disk at every change so that a crash, a kill, a
// logout or a reboot loses none of it: each running timer with the moment
// it rings, on the wall clock and on the clock since boot, and each timer
// still ringing. Its file, "journal.qbx", is the program's own:
//
//   quorbel journal 1
//   boot <the system's boot id>
//   running <timer> <wall ms> <since-boot ms>
//   ringing <timer> <wall ms>
//   stopwatch running <wall ms> <since-boot ms>   (the moment it read zero)
//   stopwatch paused <seconds>
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

    QString bootId;
    QList<Running> running;
    QList<Ringing> ringing;
    std::optional<StopwatchState> stopwatch;

    bool Empty() const { return running.isEmpty() && ringing.isEmpty() && !stopwatch; }
    QByteArray Bytes() const;
    // Nothing for a text that is not a journal of this program.
    static std::optional<Journal> Parse(const QByteArray& bytes);
    bool operator==(const Journal&) const = default;
};

// The moment the program starts: on both clocks, and which boot it is.
struct Moment {
    qint64 wallMs;
    qint64 bootMs;
    QString bootId;
};

// What a start makes of a journal: the timers that resume, each with the
// seconds until it rings, and the ones that ring at once, each with the
// moment it ran out. In the same boot the clock since boot counts, which
// no change of the wall clock moves; after a reboot the wall clock.
struct Reconciled {
    struct Resume {
        int timer;
        int seconds;
        bool operator==(const Resume&) const = default;
    };
    struct Ring {
        int timer;
        qint64 ranOutWallMs;
        bool operator==(const Ring&) const = default;
    };
    QList<Resume> resume;
    QList<Ring> ring;
    // The stopwatch's seconds, and whether it runs on.
    std::optional<std::pair<qint64, bool>> stopwatch;
};
Reconciled Reconcile(const Journal& journal, const Moment& now);

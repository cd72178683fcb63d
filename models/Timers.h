// SPDX-License-Identifier: GPL-3.0-or-later
// The ten countdowns and the twelve quick timers, numbered as the settings
// file and the command line number them: countdowns 1 to 10, quick timers
// 23 to 34. Each is at rest, running or ringing. A countdown counts its
// time down from the hours, minutes and seconds of its saved line and shows
// its message; a quick timer runs the length its line of "pprefs.qbx" gives.
// Every change the user makes goes straight into the saved line. A running
// timer rings at an exact moment of the clock since boot, the first tick
// after it; what a countdown shows is reckoned from that moment, so a late
// or early tick never moves it.
#pragma once

#include "SlotTime.h"
#include "core/TimerNumbers.h"

#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class SettingsStore;

class Timers : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Running, Ringing };
    Q_ENUM(State)

    // sinceBoot: milliseconds since the system started, suspend included.
    Timers(SettingsStore& settings, std::function<qint64()> sinceBoot, QObject* parent = nullptr);

    State stateOf(int n) const { return at(n).state; }
    bool isRunning(int n) const { return stateOf(n) == State::Running; }
    bool isRinging(int n) const { return stateOf(n) == State::Ringing; }
    bool anyRunning() const;
    bool anyRinging() const;

    // A countdown's time as its box shows it: at rest the time a start
    // counts down from, while it runs what is left. A damaged line may give
    // a text that is no time, which is shown as it stands and never starts.
    QString timeText(int n) const;
    // What a running timer has left, in seconds.
    int secondsLeft(int n) const;
    // How many seconds from its start a timer rings: a countdown shows
    // 00:00:00 for a second before it does.
    int secondsUntilRing(int n) const;
    // When a running timer rings, or a ringing one rang, on the clock since
    // boot.
    qint64 dueMs(int n) const { return at(n).dueMs; }
    // The nearest of those moments; nothing while none runs.
    std::optional<qint64> nextDueMs() const;
    // A running countdown with less than a minute to go.
    bool inLastMinute(int n) const;
    // What its button shows: a countdown's message, a quick timer's minutes.
    QString caption(int n) const { return at(n).caption; }
    // How the desktop names it: a countdown by its message ("Timer n"
    // without one, or with the placeholder "Message" still), a quick timer
    // as "Quick timer n min".
    QString label(int n) const;
    // The length it was set for, as its line or preset keeps it.
    QString setTimeText(int n) const;
    // The same in seconds; 0 for a damaged line.
    int lengthSeconds(int n) const;

    struct RunningTimer {
        int slot;
        QString label;
        int left;
    };
    // The running ones, the nearest to running out first.
    QList<RunningTimer> runningTimers() const;

    // Takes each countdown's message, and at rest its time, from its saved
    // line (a line break read from a hand-edited file becomes a blank there
    // too), and
    // each quick timer's minutes from its preset.
    void readSaved();
    void readPresets();

    // A click on its button: a timer at rest starts, unless it is a
    // countdown with no time to count; a running or ringing one goes back
    // to rest, a countdown to the time of its line. Whether it started.
    bool toggle(int n);
    // The message editor's result: hours, minutes and message; the seconds
    // stay.
    void edit(int n, int hours, int minutes, const QString& message);
    // A countdown at rest given a length in seconds and, where one is
    // given, a message, as the editor and the seconds menu would give them.
    void setLength(int n, int seconds, const std::optional<QString>& message);
    // The seconds menu's choice, 0 to 59.
    void setSeconds(int n, int seconds);
    // The editor's clear: the seconds shown go to zero, the line keeps its
    // own until the editor stores.
    void zeroSeconds(int n);
    // Every ringing timer back to rest; whether there was one.
    bool acknowledgeAll();
    // The running countdowns, then the running quick timers, brought to
    // the clock: each shows what is left, and one whose moment has come
    // rings. Between the two the tick has its own step.
    void tickCountdowns();
    void tickQuickTimers();
    // Runs out: it rings, from its moment, or from rangMs (on the clock
    // since boot) where it ran out while the program was away.
    void expire(int n, std::optional<qint64> rangMs = std::nullopt);
    // Running again (after the program was away, or a snooze), ringing at
    // that moment of the clock since boot.
    void resume(int n, qint64 dueMs);
    // Running again, ringing that many seconds from now.
    void runFor(int n, int secondsUntilRing);
    // Snoozed: running again for that many seconds, and said to be
    // snoozing until it rings or is stopped.
    void snooze(int n, int secondsUntilRing);
    bool isSnoozed(int n) const { return isRunning(n) && at(n).snoozed; }

signals:
    // Its time or caption changed.
    void changed(int n);
    // The user set a countdown's time and message in the editor.
    void edited(int n);
    void started(int n);
    void resumed(int n);
    void expired(int n);
    // Back to rest, stopped or acknowledged.
    void cleared(int n);
    // Back to rest from ringing, after cleared.
    void acknowledged(int n);
    // A countdown in its last minute: the tray's coloured number for the
    // seconds left ("M1" to "M6").
    void lastMinute(int n, const QString& trayNumber);
    // A countdown showed 00:00:00: its last second.
    void lastSecond(int n);

private:
    struct Timer {
        State state = State::Idle;
        // A countdown's time, or the text of a damaged one.
        std::optional<SlotTime> time;
        QString unreadableTime;
        // A quick timer's seconds left.
        int left = 0;
        // Running: when it rings, on the clock since boot; ringing: when it
        // rang.
        qint64 dueMs = 0;
        bool snoozed = false;
        QString caption;
    };
    Timer& at(int n);
    const Timer& at(int n) const;
    void setTime(int n, const QString& text);
    void setTime(int n, SlotTime time);
    void putSeconds(int n, int seconds);
    void clearTimer(int n);
    // A running countdown's time changed by hand: it rings that much later.
    void rebase(int n);
    // Whole seconds from now until the moment; none once it has come.
    int secondsUntil(qint64 dueMs) const;

    SettingsStore& settings_;
    std::function<qint64()> sinceBoot_;
    std::array<Timer, timer::LastQuick + 1> timers_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps "journal.qbx" true to what runs (timers, the alarms that are on,
// alarm 2's snooze, the stopwatch) at every start, stop, ring,
// acknowledgement, switch and snooze, and at the next start brings it back:
// a timer still due runs on with its true time left, one that ran out
// meanwhile rings at once, an alarm missed by less than ten minutes rings.
// A deliberate quit leaves nothing to bring back; any other end of the
// program (a crash, a kill, the session's end) leaves the journal as the
// last change wrote it. Each running timer keeps the moment it was first
// due, on both clocks, however often the program comes back.
#pragma once

#include "core/UserFiles.h"
#include "models/AlarmClock.h"
#include "models/Journal.h"
#include "models/Options.h"
#include "models/Stopwatch.h"
#include "models/Timers.h"
#include "platform/Platform.h"

#include <QObject>
#include <QSet>
#include <functional>

class JournalKeeper : public QObject {
    Q_OBJECT
public:
    JournalKeeper(Timers& timers, Stopwatch& stopwatch, const AlarmClock& alarms,
                  const Options& options, platform::Platform platform, const UserFiles& files,
                  std::function<Moment()> now, QObject* parent);

    // Once the settings are in. A journal that cannot be read, or that is
    // not this program's, is set aside beside it, "journal.qbx.foreign",
    // and the program starts clean. A timer started before is written then.
    void recover();
    // The wall clock was set: the timers brought back by it from another
    // boot ring at their moment on the clock as it is now.
    void wallClockSet();
    // Written at once: the machine is about to sleep.
    void writeNow();
    // The user quit: what ran is over.
    void forget();
    // Alarm 2's snooze sounded (or began): the next is a period away.
    void snoozeSounded();

signals:
    // A timer that ran out while the program was not there, and when; just
    // before it rings.
    void ranOutWhileAway(int timer, qint64 wallMs);
    // An alarm that was on, and what became of its minute meanwhile.
    void alarmBack(int alarm, Reconciled::Alarm::Then then, qint64 dueWallMs);
    // Alarm 2 was snoozing; its sound was due meanwhile or not.
    void snoozeBack(bool soundDue, qint64 nextInMs);
    // What runs and what rings next, reckoned anew after every change
    // (written or not); empty once the user quit.
    void reckoned(const Journal& journal);
    // The journal could not be written: once in a run.
    void cannotKeep(const QString& path);

private:
    // A write soon, once for all the changes of one event.
    void note();
    void write();
    Journal current() const;
    // The file replaced; the user hears once when it cannot be.
    bool writeJournal(const Journal& journal);
    void setAside();

    Timers& timers_;
    Stopwatch& stopwatch_;
    const AlarmClock& alarms_;
    const Options& options_;
    // When alarm 2's next snooze sound is due, since the epoch.
    qint64 snoozeDueMs_ = 0;
    platform::Platform platform_;
    const UserFiles& files_;
    std::function<Moment()> now_;
    bool restored_ = false;
    bool changedBeforeRestore_ = false;
    bool writePending_ = false;
    // False once a file that could not be read stays where the journal goes.
    bool keepable_ = true;
    bool toldCannotKeep_ = false;
    // The journal on disk names a timer.
    bool onDisk_ = false;
    // When each ringing timer ran out, for the next start's notification.
    QHash<int, qint64> rangAt_;
    // When each running timer is due on the wall clock, as first reckoned.
    QHash<int, qint64> wallDue_;
    // The timers brought back by the wall clock from another boot.
    QSet<int> byWall_;
};

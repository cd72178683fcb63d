// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalKeeper.h"

#include "core/Guard.h"
#include "core/TextFile.h"
#include "platform/WriteUserFile.h"

#include <QPointer>
#include <QTimer>

JournalKeeper::JournalKeeper(Timers& timers, Stopwatch& stopwatch, const AlarmClock& alarms,
                             platform::Platform platform, const UserFiles& files,
                             std::function<Moment()> now, std::function<int()> snoozeMs,
                             QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , stopwatch_(stopwatch)
    , alarms_(alarms)
    , snoozeMs_(std::move(snoozeMs))
    , platform_(platform)
    , files_(files)
    , now_(std::move(now)) {
    connect(&stopwatch_, &Stopwatch::Turned, this, [this] { Note(); });
    connect(&alarms_, &AlarmClock::Changed, this, [this] {
        if (!alarms_.Alarm2Snoozing())
            snoozeDueMs_ = 0;
        else if (snoozeDueMs_ == 0)
            SnoozeSounded();
        Note();
    });
    for (auto signal : {&Timers::Started, &Timers::Resumed}) {
        connect(&timers_, signal, this, [this](int n) {
            const Moment now = now_();
            wallDue_.insert(n, now.wallMs + timers_.DueMs(n) - now.bootMs);
            Note();
        });
    }
    connect(&timers_, &Timers::Expired, this, [this](int n) {
        rangAt_.insert(n, now_().wallMs);
        Note();
    });
    connect(&timers_, &Timers::Cleared, this, [this](int n) {
        rangAt_.remove(n);
        wallDue_.remove(n);
        byWall_.remove(n);
        Note();
    });
}

void JournalKeeper::Restore() {
    if (restored_)
        return;
    restored_ = true;
    // What the command line started is written now, whatever the file held.
    if (std::exchange(changedBeforeRestore_, false))
        Note();
    QByteArray bytes;
    const FileState state = ReadWholeFile(files_.Write(file::Journal), bytes);
    if (state == FileState::Missing)
        return;
    const std::optional<Journal> journal =
        state == FileState::Read ? Journal::Parse(bytes) : std::nullopt;
    if (!journal) {
        SetAside();
        return;
    }
    const Reconciled done = Reconcile(*journal, now_());
    onDisk_ = !journal->Empty();
    for (const Reconciled::Resume& timer : done.resume) {
        if (timers_.StateOf(timer.timer) != Timers::State::Idle)
            continue;
        timers_.Resume(timer.timer, timer.dueBootMs);
        // The moment it was first due, not one reckoned again from now.
        wallDue_.insert(timer.timer, timer.dueWallMs);
        if (timer.byWall)
            byWall_.insert(timer.timer);
    }
    for (const Reconciled::Ring& timer : done.ring) {
        if (timers_.StateOf(timer.timer) == Timers::State::Ringing)
            continue;
        // Heard before the ring, which tells the desktop when it ran out.
        emit RanOutWhileAway(timer.timer, timer.ranOutWallMs);
        timers_.Expire(timer.timer);
        rangAt_.insert(timer.timer, timer.ranOutWallMs);
        if (timer.byWall) {
            wallDue_.insert(timer.timer, timer.dueWallMs);
            byWall_.insert(timer.timer);
        }
    }
    if (done.stopwatch && stopwatch_.AtRest())
        stopwatch_.Restore(done.stopwatch->first, done.stopwatch->second);
    for (const Reconciled::Alarm& alarm : done.alarms)
        emit AlarmBack(alarm.alarm, alarm.then, alarm.dueWallMs);
    if (done.snoozes) {
        // The snooze keeps the beat it had: its next sound on the same
        // schedule, one period after another from the one journaled.
        const qint64 period = snoozeMs_();
        const qint64 now = now_().wallMs;
        qint64 next = *journal->snooze;
        if (period > 0 && next <= now)
            next += ((now - next) / period + 1) * period;
        snoozeDueMs_ = next;
        emit SnoozeBack(done.snoozeDue, next - now);
    }
}

void JournalKeeper::SetAside() {
    // Renamed, not copied: a nearly full disk takes a rename too, and the
    // user's file stays whole whatever it is (a folder, a link, too large).
    if (!platform::SetAsideUserFile(platform_.files, files_, file::Journal)) {
        keepable_ = false;
        if (!std::exchange(toldCannotKeep_, true))
            emit CannotKeep(files_.Write(file::Journal));
        return;
    }
    onDisk_ = false;
}

void JournalKeeper::WallClockSet() {
    if (byWall_.isEmpty())
        return;
    const Moment now = now_();
    for (const int n : QSet<int>(byWall_)) {
        const qint64 wallDue = wallDue_.value(n);
        const qint64 dueBoot = now.bootMs + (wallDue - now.wallMs);
        if (timers_.IsRunning(n) && wallDue <= now.wallMs) {
            timers_.Expire(n);
            rangAt_.insert(n, wallDue);
        } else if (timers_.IsRunning(n)) {
            timers_.Resume(n, dueBoot);
        } else if (timers_.IsRinging(n) && wallDue > now.wallMs) {
            // It rang at the start by a clock that ran ahead: its time has
            // not come.
            timers_.Toggle(n);
            timers_.Resume(n, dueBoot);
        } else {
            continue;
        }
        wallDue_.insert(n, wallDue);
        byWall_.insert(n);
    }
    Note();
}

void JournalKeeper::SnoozeSounded() {
    snoozeDueMs_ = now_().wallMs + snoozeMs_();
    Note();
}

void JournalKeeper::WriteNow() {
    if (!restored_)
        return;
    writePending_ = false;
    Guard([this] { Write(); });
}

void JournalKeeper::Forget() {
    writePending_ = false;
    platform_.power.WakeAt(0, [](bool) {});
    if (!onDisk_ || !keepable_)
        return;
    Journal nothing;
    nothing.bootId = now_().bootId;
    // A disk too full for the empty journal still lets it go: what the user
    // ended must not ring at the next start.
    if (Guard([&] {
            platform::WriteUserFile(platform_.files, files_, file::Journal, nothing.Bytes());
        }) ||
        platform_.files.Remove(files_.Write(file::Journal)))
        onDisk_ = false;
}

void JournalKeeper::Note() {
    // Nothing is written before the journal on disk has been read: it
    // would be lost.
    if (!restored_) {
        changedBeforeRestore_ = true;
        return;
    }
    if (writePending_)
        return;
    writePending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (std::exchange(writePending_, false))
            Guard([this] { Write(); });
    });
}

Journal JournalKeeper::Current() const {
    const Moment now = now_();
    Journal journal;
    journal.bootId = now.bootId;
    slot::ForEachSlot([&](int n) {
        if (timers_.IsRunning(n)) {
            const qint64 due = timers_.DueMs(n);
            journal.running.append({n, wallDue_.value(n, now.wallMs + due - now.bootMs), due});
        } else if (timers_.IsRinging(n)) {
            journal.ringing.append({n, rangAt_.value(n, now.wallMs)});
        }
    });
    const QDateTime wall = QDateTime::fromMSecsSinceEpoch(now.wallMs);
    for (int alarm : {1, 2}) {
        if (!alarms_[alarm].on)
            continue;
        const std::optional<QDateTime> due = alarms_.NextDue(alarm, wall);
        journal.alarms.append({alarm, due ? due->toMSecsSinceEpoch() : 0});
    }
    // With no snooze length chosen, alarm 2 rings once and repeats nothing.
    if (alarms_.Alarm2Snoozing() && snoozeMs_() > 0)
        journal.snooze = snoozeDueMs_;
    if (!stopwatch_.AtRest()) {
        const qint64 seconds = stopwatch_.Seconds();
        journal.stopwatch = {stopwatch_.Running(), now.wallMs - 1000 * seconds,
                             now.bootMs - 1000 * seconds, seconds};
    }
    return journal;
}

void JournalKeeper::Write() {
    const Journal journal = Current();
    // The machine wakes for the first of them to ring.
    qint64 first = 0;
    for (const Journal::Running& timer : journal.running)
        first = first ? qMin(first, timer.wallMs) : timer.wallMs;
    for (const auto& [alarm, dueMs] : journal.alarms) {
        if (dueMs > 0)
            first = first ? qMin(first, dueMs) : dueMs;
    }
    platform_.power.WakeAt(first, [self = QPointer(this), first](bool wakes) {
        if (self && first && wakes != self->wakes_) {
            self->wakes_ = wakes;
            emit self->WakesMachine(wakes);
        }
    });
    // Nothing ran and nothing runs: no file to keep true.
    if (journal.Empty() && !onDisk_)
        return;
    Put(journal);
}

bool JournalKeeper::Put(const Journal& journal) {
    if (!keepable_)
        return false;
    if (!Guard([&] {
            platform::WriteUserFile(platform_.files, files_, file::Journal, journal.Bytes());
        })) {
        if (!std::exchange(toldCannotKeep_, true))
            emit CannotKeep(files_.Write(file::Journal));
        return false;
    }
    onDisk_ = !journal.Empty();
    return true;
}

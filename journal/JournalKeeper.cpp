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
    for (auto signal : {&Timers::Started, &Timers::Resumed, &Timers::Cleared})
        connect(&timers_, signal, this, [this] { Note(); });
    connect(&timers_, &Timers::Expired, this, [this](int n) {
        rangAt_.insert(n, now_().wallMs);
        Note();
    });
    connect(&timers_, &Timers::Cleared, this, [this](int n) { rangAt_.remove(n); });
}

void JournalKeeper::Restore() {
    if (restored_)
        return;
    restored_ = true;
    QByteArray bytes;
    const QString path = files_.Write(file::Journal);
    if (ReadWholeFile(path, bytes) != FileState::Read)
        return;
    const std::optional<Journal> journal = Journal::Parse(bytes);
    if (!journal) {
        Guard([&] {
            platform::WriteUserFile(platform_.files, files_,
                                    file::Journal + QStringLiteral(".foreign"), bytes);
        });
        // The foreign file gives way to a journal of this program's.
        onDisk_ = true;
        Note();
        return;
    }
    const Reconciled done = Reconcile(*journal, now_());
    onDisk_ = !journal->Empty();
    for (const Reconciled::Resume& timer : done.resume) {
        if (timers_.StateOf(timer.timer) == Timers::State::Idle)
            timers_.Resume(timer.timer, timer.seconds);
    }
    for (const Reconciled::Ring& timer : done.ring) {
        if (timers_.StateOf(timer.timer) == Timers::State::Ringing)
            continue;
        timers_.Expire(timer.timer);
        rangAt_.insert(timer.timer, timer.ranOutWallMs);
        emit RanOutWhileAway(timer.timer, timer.ranOutWallMs);
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
    if (!onDisk_)
        return;
    Journal nothing;
    nothing.bootId = now_().bootId;
    if (Guard([&] {
            platform::WriteUserFile(platform_.files, files_, file::Journal, nothing.Bytes());
        }))
        onDisk_ = false;
    platform_.power.WakeAt(0, [](bool) {});
}

void JournalKeeper::Note() {
    // Nothing is written before the journal on disk has been read: it
    // would be lost.
    if (!restored_ || writePending_)
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
            const qint64 in = 1000 * qint64(timers_.SecondsUntilRing(n));
            journal.running.append({n, now.wallMs + in, now.bootMs + in});
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
    platform::WriteUserFile(platform_.files, files_, file::Journal, journal.Bytes());
    onDisk_ = !journal.Empty();
}

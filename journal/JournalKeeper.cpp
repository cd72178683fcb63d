// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalKeeper.h"

#include "core/Guard.h"
#include "core/TextFile.h"
#include "platform/WriteUserFile.h"

#include <QTimer>

JournalKeeper::JournalKeeper(Timers& timers, Stopwatch& stopwatch, const AlarmClock& alarms,
                             const Options& options, platform::Platform platform,
                             const UserFiles& files, std::function<Moment()> now, QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , stopwatch_(stopwatch)
    , alarms_(alarms)
    , options_(options)
    , platform_(platform)
    , files_(files)
    , now_(std::move(now)) {
    connect(&stopwatch_, &Stopwatch::turned, this, [this] { note(); });
    connect(&alarms_, &AlarmClock::changed, this, [this] {
        if (!alarms_.alarm2Snoozing())
            snoozeDueMs_ = 0;
        else if (snoozeDueMs_ == 0)
            snoozeSounded();
        note();
    });
    for (auto signal : {&Timers::started, &Timers::resumed}) {
        connect(&timers_, signal, this, [this](int n) {
            const Moment now = now_();
            wallDue_.insert(n, now.wallMs + timers_.dueMs(n) - now.bootMs);
            note();
        });
    }
    connect(&timers_, &Timers::expired, this, [this](int n) {
        rangAt_.insert(n, now_().wallMs);
        note();
    });
    connect(&timers_, &Timers::cleared, this, [this](int n) {
        rangAt_.remove(n);
        wallDue_.remove(n);
        byWall_.remove(n);
        note();
    });
}

void JournalKeeper::recover() {
    if (restored_)
        return;
    restored_ = true;
    // What the command line started is written now, whatever the file held.
    if (std::exchange(changedBeforeRestore_, false))
        note();
    QByteArray bytes;
    const FileState state = readWholeFile(files_.write(file::Journal), bytes);
    if (state == FileState::Missing)
        return;
    const std::optional<Journal> journal =
        state == FileState::Read ? Journal::parse(bytes) : std::nullopt;
    if (!journal) {
        setAside();
        return;
    }
    const Reconciled done = reconcile(*journal, now_());
    onDisk_ = !journal->empty();
    for (const Reconciled::Resume& timer : done.resume) {
        if (timers_.stateOf(timer.timer) != Timers::State::Idle)
            continue;
        timers_.resume(timer.timer, timer.dueBootMs);
        // The moment it was first due, not one reckoned again from now.
        wallDue_.insert(timer.timer, timer.dueWallMs);
        if (timer.byWall)
            byWall_.insert(timer.timer);
    }
    for (const Reconciled::Ring& timer : done.ring) {
        if (timers_.stateOf(timer.timer) == Timers::State::Ringing)
            continue;
        // Heard before the ring, which tells the desktop when it ran out.
        emit ranOutWhileAway(timer.timer, timer.ranOutWallMs);
        const Moment now = now_();
        timers_.expire(timer.timer, now.bootMs + (timer.ranOutWallMs - now.wallMs));
        rangAt_.insert(timer.timer, timer.ranOutWallMs);
        if (timer.byWall) {
            wallDue_.insert(timer.timer, timer.dueWallMs);
            byWall_.insert(timer.timer);
        }
    }
    if (done.stopwatch && stopwatch_.atRest())
        stopwatch_.restore(done.stopwatch->first, done.stopwatch->second);
    for (const Reconciled::Alarm& alarm : done.alarms)
        emit alarmBack(alarm.alarm, alarm.then, alarm.dueWallMs);
    if (done.snoozes) {
        // The snooze keeps the beat it had: its next sound on the same
        // schedule, one period after another from the one journaled.
        const qint64 period = options_.snoozeMs();
        const qint64 now = now_().wallMs;
        qint64 next = *journal->snooze;
        if (period > 0 && next <= now)
            next += ((now - next) / period + 1) * period;
        snoozeDueMs_ = next;
        emit snoozeBack(done.snoozeDue, next - now);
    }
}

void JournalKeeper::setAside() {
    // Renamed, not copied: a nearly full disk takes a rename too, and the
    // user's file stays whole whatever it is (a folder, a link, too large).
    if (!platform::setAsideUserFile(platform_.files, files_, file::Journal)) {
        keepable_ = false;
        if (!std::exchange(toldCannotKeep_, true))
            emit cannotKeep(files_.write(file::Journal));
        return;
    }
    onDisk_ = false;
}

void JournalKeeper::wallClockSet() {
    if (byWall_.isEmpty())
        return;
    const Moment now = now_();
    for (const int n : QSet<int>(byWall_)) {
        const qint64 wallDue = wallDue_.value(n);
        const qint64 dueBoot = now.bootMs + (wallDue - now.wallMs);
        if (timers_.isRunning(n) && wallDue <= now.wallMs) {
            timers_.expire(n);
            rangAt_.insert(n, wallDue);
        } else if (timers_.isRunning(n)) {
            timers_.resume(n, dueBoot);
        } else if (timers_.isRinging(n) && wallDue > now.wallMs) {
            // It rang at the start by a clock that ran ahead: its time has
            // not come.
            timers_.toggle(n);
            timers_.resume(n, dueBoot);
        } else {
            continue;
        }
        wallDue_.insert(n, wallDue);
        byWall_.insert(n);
    }
    note();
}

void JournalKeeper::snoozeSounded() {
    snoozeDueMs_ = now_().wallMs + options_.snoozeMs();
    note();
}

void JournalKeeper::writeNow() {
    if (!restored_)
        return;
    writePending_ = false;
    guard([this] { write(); });
}

void JournalKeeper::forget() {
    writePending_ = false;
    emit reckoned({});
    if (!onDisk_ || !keepable_)
        return;
    Journal nothing;
    nothing.bootId = now_().bootId;
    // A disk too full for the empty journal still lets it go: what the user
    // ended must not ring at the next start.
    if (guard([&] {
            platform::writeUserFile(platform_.files, files_, file::Journal, nothing.bytes());
        }) ||
        platform_.files.remove(files_.write(file::Journal)))
        onDisk_ = false;
}

void JournalKeeper::note() {
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
            guard([this] { write(); });
    });
}

Journal JournalKeeper::current() const {
    const Moment now = now_();
    Journal journal;
    journal.bootId = now.bootId;
    timer::forEach([&](int n) {
        if (timers_.isRunning(n)) {
            const qint64 due = timers_.dueMs(n);
            journal.running.append({n, wallDue_.value(n, now.wallMs + due - now.bootMs), due});
        } else if (timers_.isRinging(n)) {
            journal.ringing.append({n, rangAt_.value(n, now.wallMs)});
        }
    });
    const QDateTime wall = QDateTime::fromMSecsSinceEpoch(now.wallMs);
    for (int alarm : {1, 2}) {
        if (!alarms_[alarm].on)
            continue;
        const std::optional<QDateTime> due = alarms_.nextDue(alarm, wall);
        journal.alarms.append({alarm, due ? due->toMSecsSinceEpoch() : 0});
    }
    if (alarms_.alarm2Snoozing())
        journal.snooze = snoozeDueMs_;
    if (!stopwatch_.atRest()) {
        const qint64 seconds = stopwatch_.seconds();
        journal.stopwatch = {stopwatch_.running(), now.wallMs - 1000 * seconds,
                             now.bootMs - 1000 * seconds, seconds};
    }
    return journal;
}

void JournalKeeper::write() {
    const Journal journal = current();
    emit reckoned(journal);
    // Nothing ran and nothing runs: no file to keep true.
    if (journal.empty() && !onDisk_)
        return;
    writeJournal(journal);
}

bool JournalKeeper::writeJournal(const Journal& journal) {
    if (!keepable_)
        return false;
    if (!guard([&] {
            platform::writeUserFile(platform_.files, files_, file::Journal, journal.bytes());
        })) {
        if (!std::exchange(toldCannotKeep_, true))
            emit cannotKeep(files_.write(file::Journal));
        return false;
    }
    onDisk_ = !journal.empty();
    return true;
}

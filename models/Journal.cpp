// SPDX-License-Identifier: GPL-3.0-or-later
#include "Journal.h"

#include "core/TimerNumbers.h"

#include <QStringList>

namespace {

const QByteArray kHeader = "quorbel journal 1";

// Digits only, a minus at most before them, and within the bounds every
// moment and count of the journal keeps: no sum or difference of two of
// them can overflow.
std::optional<qint64> number(const QByteArray& text) {
    const qsizetype digits = text.startsWith('-') ? text.size() - 1 : text.size();
    if (digits < 1 || digits > 15)
        return std::nullopt;
    for (qsizetype i = text.size() - digits; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    }
    const qint64 value = text.toLongLong();
    return value >= -Journal::kLargest && value <= Journal::kLargest ? std::optional(value)
                                                                     : std::nullopt;
}

// A moment as written: always one the reader takes back.
QByteArray written(qint64 value) {
    return QByteArray::number(qBound(-Journal::kLargest, value, Journal::kLargest));
}

std::optional<int> timerNumber(const QByteArray& text) {
    const auto n = number(text);
    if (!n || !timer::isTimer(int(*n)))
        return std::nullopt;
    return int(*n);
}

std::optional<Journal::StopwatchState> parseStopwatch(const QList<QByteArray>& words) {
    if (words.size() == 4 && words[1] == "running") {
        const auto wall = number(words[2]);
        const auto boot = number(words[3]);
        if (wall && boot)
            return Journal::StopwatchState{true, *wall, *boot, 0};
    } else if (words.size() == 3 && words[1] == "paused") {
        if (const auto seconds = number(words[2]);
            seconds && *seconds >= 0 && *seconds <= Journal::kLongestStopwatch)
            return Journal::StopwatchState{false, 0, 0, *seconds};
    }
    return std::nullopt;
}

} // namespace

QByteArray Journal::bytes() const {
    QByteArray bytes = kHeader + "\nboot " + bootId.toUtf8() + '\n';
    for (const Running& timer : running) {
        bytes += "running " + QByteArray::number(timer.timer) + ' ' + written(timer.wallMs) + ' ' +
                 written(timer.bootMs) + '\n';
    }
    for (const Ringing& timer : ringing) {
        bytes += "ringing " + QByteArray::number(timer.timer) + ' ' + written(timer.wallMs) + '\n';
    }
    if (stopwatch && stopwatch->running) {
        bytes += "stopwatch running " + written(stopwatch->wallMs) + ' ' +
                 written(stopwatch->bootMs) + '\n';
    } else if (stopwatch) {
        bytes += "stopwatch paused " +
                 QByteArray::number(qBound<qint64>(0, stopwatch->seconds, kLongestStopwatch)) +
                 '\n';
    }
    for (const auto& [alarm, wallMs] : alarms)
        bytes += "alarm " + QByteArray::number(alarm) + ' ' + written(wallMs) + '\n';
    if (snooze)
        bytes += "snooze " + written(*snooze) + '\n';
    return bytes;
}

std::optional<Journal> Journal::parse(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < 2 || lines.takeFirst() != kHeader || lines.takeLast() != QByteArray())
        return std::nullopt;
    Journal journal;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 2 && words[0] == "boot") {
            journal.bootId = QString::fromUtf8(words[1]);
            continue;
        }
        if (words[0] == "alarm" && words.size() == 3) {
            const auto alarm = number(words[1]);
            const auto wall = number(words[2]);
            if (!alarm || (*alarm != 1 && *alarm != 2) || !wall)
                return std::nullopt;
            // An alarm named twice is one alarm, at its last minute.
            journal.alarms.removeIf([&](const auto& named) { return named.first == *alarm; });
            journal.alarms.append({int(*alarm), *wall});
            continue;
        }
        if (words[0] == "snooze" && words.size() == 2) {
            journal.snooze = number(words[1]);
            if (!journal.snooze)
                return std::nullopt;
            continue;
        }
        if (words[0] == "stopwatch") {
            journal.stopwatch = parseStopwatch(words);
            if (!journal.stopwatch)
                return std::nullopt;
            continue;
        }
        const bool running = words[0] == "running" && words.size() == 4;
        const bool ringing = words[0] == "ringing" && words.size() == 3;
        if (!running && !ringing)
            return std::nullopt;
        const auto timer = timerNumber(words[1]);
        const auto wall = number(words[2]);
        const auto boot = running ? number(words[3]) : std::optional<qint64>(0);
        if (!timer || !wall || !boot)
            return std::nullopt;
        // A timer named twice is one timer, as its last line has it.
        journal.running.removeIf([&](const Running& named) { return named.timer == *timer; });
        journal.ringing.removeIf([&](const Ringing& named) { return named.timer == *timer; });
        if (running)
            journal.running.append({*timer, *wall, *boot});
        else
            journal.ringing.append({*timer, *wall});
    }
    return journal;
}

Reconciled reconcile(const Journal& journal, const Moment& now) {
    Reconciled done;
    const bool sameBoot = !journal.bootId.isEmpty() && journal.bootId == now.bootId;
    for (const Journal::Running& timer : journal.running) {
        const qint64 leftMs = sameBoot ? timer.bootMs - now.bootMs : timer.wallMs - now.wallMs;
        if (leftMs > 0)
            done.resume.append({timer.timer, now.bootMs + leftMs, timer.wallMs, !sameBoot});
        else
            done.ring.append({timer.timer, now.wallMs + leftMs, timer.wallMs, !sameBoot});
    }
    for (const Journal::Ringing& timer : journal.ringing)
        done.ring.append({timer.timer, qMin(timer.wallMs, now.wallMs), timer.wallMs});
    if (const auto& watch = journal.stopwatch; watch && watch->running) {
        const qint64 sinceMs = sameBoot ? now.bootMs - watch->bootMs : now.wallMs - watch->wallMs;
        done.stopwatch = {qBound<qint64>(0, sinceMs / 1000, Journal::kLongestStopwatch), true};
    } else if (watch) {
        done.stopwatch = {watch->seconds, false};
    }
    constexpr qint64 kGraceMs = 10 * 60 * 1000;
    for (const auto& [alarm, dueMs] : journal.alarms) {
        using Then = Reconciled::Alarm::Then;
        const Then then = dueMs <= 0 || dueMs > now.wallMs ? Then::Armed
                          : now.wallMs - dueMs < kGraceMs  ? Then::Rings
                                                           : Then::Missed;
        done.alarms.append({alarm, then, dueMs});
    }
    done.snoozes = journal.snooze.has_value();
    done.snoozeDue = journal.snooze && *journal.snooze <= now.wallMs;
    return done;
}

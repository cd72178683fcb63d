// SPDX-License-Identifier: GPL-3.0-or-later
#include "Timers.h"

#include "Prefs.h"
#include "SettingsStore.h"
#include "core/Convert.h"
#include "core/Guard.h"

#include <algorithm>

namespace {

int Seconds(const SlotTime& time) {
    return time.hours * 3600 + time.minutes * 60 + time.seconds;
}

} // namespace

Timers::Timers(SettingsStore& settings, std::function<qint64()> sinceBoot, QObject* parent)
    : QObject(parent)
    , settings_(settings)
    , sinceBoot_(std::move(sinceBoot)) {
    // What the lines hold before any file is read.
    for (int n = slot::FirstCountdown; n <= slot::LastCountdown; ++n) {
        const QString line = settings_.Prefs().Line(n);
        SetTime(n, SlotTimeOf(line));
        At(n).caption = SlotCaptionOf(line);
    }
    for (int n = slot::FirstQuick; n <= slot::LastQuick; ++n)
        At(n).caption = QString::number(QuickLength(settings_.Presets(), n) / 60);
}

Timers::Timer& Timers::At(int n) {
    if (!slot::IsSlot(n))
        throw EProgramError("no timer " + std::to_string(n));
    return timers_[std::size_t(n)];
}

const Timers::Timer& Timers::At(int n) const {
    return const_cast<Timers*>(this)->At(n);
}

bool Timers::AnyRunning() const {
    bool running = false;
    slot::ForEachSlot([&](int n) { running = running || IsRunning(n); });
    return running;
}

bool Timers::AnyRinging() const {
    bool ringing = false;
    slot::ForEachSlot([&](int n) { ringing = ringing || IsRinging(n); });
    return ringing;
}

QString Timers::TimeText(int n) const {
    const Timer& timer = At(n);
    return timer.time ? timer.time->Text() : timer.unreadableTime;
}

int Timers::SecondsLeft(int n) const {
    const Timer& timer = At(n);
    if (slot::IsQuick(n))
        return timer.left;
    return timer.time ? Seconds(*timer.time) : 0;
}

int Timers::SecondsUntilRing(int n) const {
    return slot::IsQuick(n) ? SecondsLeft(n) : SecondsLeft(n) + 1;
}

bool Timers::InLastMinute(int n) const {
    const Timer& timer = At(n);
    return slot::IsCountdown(n) && timer.state == State::Running && timer.time &&
           timer.time->hours == 0 && timer.time->minutes == 0;
}

QString Timers::Label(int n) const {
    if (slot::IsQuick(n))
        return QStringLiteral("Quick timer %1 min").arg(Caption(n));
    const QString message = Caption(n).trimmed();
    return message.isEmpty() ? QStringLiteral("Timer %1").arg(n) : message;
}

QString Timers::SetTimeText(int n) const {
    return slot::IsQuick(n) ? DurationText(QuickLength(settings_.Presets(), n))
                            : SlotTimeOf(settings_.Prefs().Line(n));
}

QList<Timers::RunningTimer> Timers::RunningTimers() const {
    QList<RunningTimer> running;
    slot::ForEachSlot([&](int n) {
        if (IsRunning(n))
            running.append({n, Label(n), SecondsLeft(n)});
    });
    std::stable_sort(running.begin(), running.end(),
                     [](const RunningTimer& a, const RunningTimer& b) { return a.left < b.left; });
    return running;
}

void Timers::ReadSaved() {
    LineList& prefs = settings_.Prefs();
    for (int n = slot::FirstCountdown; n <= slot::LastCountdown; ++n) {
        prefs.SetLine(n, SingleLineMessage(prefs.Line(n)));
        // A running one counts on from where it is.
        if (StateOf(n) == State::Idle)
            SetTime(n, SlotTimeOf(prefs.Line(n)));
        At(n).caption = SlotCaptionOf(prefs.Line(n));
        emit Changed(n);
    }
}

void Timers::ReadPresets() {
    // A damaged line keeps the caption the timer has.
    for (int n = slot::FirstQuick; n <= slot::LastQuick; ++n) {
        if (const auto caption = QuickCaption(settings_.Presets(), n)) {
            At(n).caption = *caption;
            emit Changed(n);
        }
    }
}

void Timers::SetTime(int n, const QString& text) {
    Timer& timer = At(n);
    timer.time = SlotTime::Parse(text);
    timer.unreadableTime = timer.time ? QString() : text;
}

bool Timers::Toggle(int n) {
    Timer& timer = At(n);
    if (timer.state != State::Idle) {
        Clear(n);
        return false;
    }
    if (slot::IsQuick(n)) {
        // Read afresh at every start, so an edit of "pprefs.qbx" counts
        // after a restart; a damaged line runs the design length, and a
        // length of 0 or less rings at the first tick.
        timer.left = QuickLength(settings_.Presets(), n);
    } else if (!timer.time || timer.time->IsZero()) {
        return false;
    }
    timer.state = State::Running;
    timer.dueMs = sinceBoot_() + 1000 * qint64(SecondsUntilRing(n));
    emit Started(n);
    return true;
}

void Timers::Clear(int n) {
    Timer& timer = At(n);
    const bool rang = timer.state == State::Ringing;
    timer.state = State::Idle;
    if (slot::IsQuick(n)) {
        timer.left = 0;
    } else {
        SetTime(n, SlotTimeOf(settings_.Prefs().Line(n)));
        emit Changed(n);
    }
    emit Cleared(n);
    if (rang)
        emit Acknowledged(n);
}

void Timers::Edit(int n, const QString& hoursMinutes, const QString& message) {
    if (!slot::IsCountdown(n))
        return;
    const QString time = hoursMinutes + u':' + TimeText(n).mid(6, 2);
    SetTime(n, time);
    const QString single = SingleLineMessage(message);
    At(n).caption = single;
    settings_.Prefs().SetLine(n, time + single);
    Rebase(n);
    emit Changed(n);
    emit Edited(n);
}

void Timers::SetSeconds(int n, const QString& seconds) {
    if (!slot::IsCountdown(n))
        return;
    const QString shown = TimeText(n);
    SetTime(n, shown.left(6) + seconds + shown.mid(8));
    // The saved message, not the caption, which holds only its first 30
    // characters after a load.
    settings_.Prefs().SetLine(n, TimeText(n) + settings_.Prefs().Line(n).mid(8));
    Rebase(n);
    emit Changed(n);
}

void Timers::ZeroSeconds(int n) {
    if (!slot::IsCountdown(n))
        return;
    const QString shown = TimeText(n);
    SetTime(n, shown.left(6) + QStringLiteral("00") + shown.mid(8));
    Rebase(n);
    emit Changed(n);
}

bool Timers::AcknowledgeAll() {
    bool any = false;
    slot::ForEachSlot([&](int n) {
        if (IsRinging(n)) {
            Clear(n);
            any = true;
        }
    });
    return any;
}

int Timers::SecondsUntil(qint64 dueMs) const {
    const qint64 leftMs = dueMs - sinceBoot_();
    return leftMs <= 0 ? 0 : int(qMin<qint64>((leftMs + 999) / 1000, 1000 * 3600));
}

void Timers::Rebase(int n) {
    if (IsRunning(n))
        At(n).dueMs = sinceBoot_() + 1000 * qint64(SecondsUntilRing(n));
}

void Timers::TickCountdowns() {
    for (int n = slot::FirstCountdown; n <= slot::LastCountdown; ++n) {
        Timer& timer = At(n);
        if (timer.state != State::Running || !timer.time)
            continue;
        // As many seconds off as the clock has gone on: all of them once
        // its moment has come, also after a stall or a sleep.
        const int until = SecondsUntil(timer.dueMs);
        const CountdownStep step = StepCountdown(
            *timer.time, until == 0 ? SecondsUntilRing(n) : qMax(0, SecondsUntilRing(n) - until));
        timer.time = step.next;
        emit Changed(n);
        if (!step.trayIcon.isEmpty())
            emit LastMinute(n, step.trayIcon);
        if (step.lastSecond)
            emit LastSecond(n);
        if (until == 0)
            Expire(n);
    }
}

void Timers::TickQuickTimers() {
    for (int n = slot::FirstQuick; n <= slot::LastQuick; ++n) {
        Timer& timer = At(n);
        if (timer.state != State::Running)
            continue;
        timer.left = qBound(0, timer.left, SecondsUntil(timer.dueMs));
        if (timer.left <= 0)
            Expire(n);
    }
}

void Timers::Resume(int n, qint64 dueMs) {
    Timer& timer = At(n);
    timer.state = State::Running;
    timer.dueMs = dueMs;
    const int until = SecondsUntil(dueMs);
    if (slot::IsQuick(n)) {
        timer.left = until;
    } else {
        const int left = qBound(0, until - 1, 99 * 3600 + 59 * 60 + 59);
        timer.time = SlotTime{left / 3600, left / 60 % 60, left % 60};
        timer.unreadableTime.clear();
    }
    emit Changed(n);
    emit Resumed(n);
}

void Timers::RunFor(int n, int secondsUntilRing) {
    Resume(n, sinceBoot_() + 1000 * qint64(secondsUntilRing));
}

void Timers::Expire(int n) {
    At(n).state = State::Ringing;
    emit Expired(n);
}

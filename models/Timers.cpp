// SPDX-License-Identifier: GPL-3.0-or-later
#include "Timers.h"

#include "Prefs.h"
#include "SettingsStore.h"
#include "core/Convert.h"
#include "core/Guard.h"

#include <algorithm>

namespace {

int seconds(const SlotTime& time) {
    return time.hours * 3600 + time.minutes * 60 + time.seconds;
}

} // namespace

Timers::Timers(SettingsStore& settings, std::function<qint64()> sinceBoot, QObject* parent)
    : QObject(parent)
    , settings_(settings)
    , sinceBoot_(std::move(sinceBoot)) {
    // What the lines hold before any file is read.
    for (int n = timer::FirstCountdown; n <= timer::LastCountdown; ++n) {
        const QString line = settings_.prefs().line(n);
        setTime(n, slotTimeOf(line));
        at(n).caption = slotCaptionOf(line);
    }
    for (int n = timer::FirstQuick; n <= timer::LastQuick; ++n)
        at(n).caption = QString::number(quickLength(settings_.presets(), n) / 60);
}

Timers::Timer& Timers::at(int n) {
    if (!timer::isTimer(n))
        throw EProgramError("no timer " + std::to_string(n));
    return timers_[std::size_t(n)];
}

const Timers::Timer& Timers::at(int n) const {
    return const_cast<Timers*>(this)->at(n);
}

bool Timers::anyRunning() const {
    bool running = false;
    timer::forEach([&](int n) { running = running || isRunning(n); });
    return running;
}

bool Timers::anyRinging() const {
    bool ringing = false;
    timer::forEach([&](int n) { ringing = ringing || isRinging(n); });
    return ringing;
}

std::optional<qint64> Timers::nextDueMs() const {
    std::optional<qint64> nearest;
    timer::forEach([&](int n) {
        if (isRunning(n) && (!nearest || dueMs(n) < *nearest))
            nearest = dueMs(n);
    });
    return nearest;
}

QString Timers::timeText(int n) const {
    const Timer& timer = at(n);
    return timer.time ? timer.time->text() : timer.unreadableTime;
}

int Timers::secondsLeft(int n) const {
    const Timer& timer = at(n);
    if (timer::isQuick(n))
        return timer.left;
    return timer.time ? seconds(*timer.time) : 0;
}

int Timers::secondsUntilRing(int n) const {
    return timer::isQuick(n) ? secondsLeft(n) : secondsLeft(n) + 1;
}

bool Timers::inLastMinute(int n) const {
    const Timer& timer = at(n);
    return timer::isCountdown(n) && timer.state == State::Running && timer.time &&
           timer.time->hours == 0 && timer.time->minutes == 0;
}

QString Timers::label(int n) const {
    if (timer::isQuick(n))
        //: A quick timer's name: %1 is its length in minutes.
        return tr("Quick timer %1 min").arg(caption(n));
    // One never given a message is named by its number, not by the
    // placeholder its button shows.
    const QString message = caption(n).trimmed();
    //: A countdown's name where it has no message: %1 is its number, 1 to 10.
    return message.isEmpty() || message == kPlaceholderMessage ? tr("Timer %1").arg(n) : message;
}

QString Timers::setTimeText(int n) const {
    return timer::isQuick(n) ? durationText(quickLength(settings_.presets(), n))
                             : slotTimeOf(settings_.prefs().line(n));
}

int Timers::lengthSeconds(int n) const {
    if (timer::isQuick(n))
        return quickLength(settings_.presets(), n);
    const std::optional<SlotTime> set = SlotTime::parse(slotTimeOf(settings_.prefs().line(n)));
    return set ? seconds(*set) : 0;
}

QList<Timers::RunningTimer> Timers::runningTimers() const {
    QList<RunningTimer> running;
    timer::forEach([&](int n) {
        if (isRunning(n))
            running.append({n, label(n), secondsLeft(n)});
    });
    std::stable_sort(running.begin(), running.end(),
                     [](const RunningTimer& a, const RunningTimer& b) { return a.left < b.left; });
    return running;
}

void Timers::readSaved() {
    LineList& prefs = settings_.prefs();
    for (int n = timer::FirstCountdown; n <= timer::LastCountdown; ++n) {
        prefs.setLine(n, singleLineMessage(prefs.line(n)));
        // A running one counts on from where it is.
        if (stateOf(n) == State::Idle)
            setTime(n, slotTimeOf(prefs.line(n)));
        at(n).caption = slotCaptionOf(prefs.line(n));
        emit changed(n);
    }
}

void Timers::readPresets() {
    // A damaged line keeps the caption the timer has.
    for (int n = timer::FirstQuick; n <= timer::LastQuick; ++n) {
        if (const auto caption = quickCaption(settings_.presets(), n)) {
            at(n).caption = *caption;
            emit changed(n);
        }
    }
}

void Timers::setTime(int n, const QString& text) {
    Timer& timer = at(n);
    timer.time = SlotTime::parse(text);
    timer.unreadableTime = timer.time ? QString() : text;
}

void Timers::putSeconds(int n, int seconds) {
    Timer& timer = at(n);
    if (timer.time) {
        timer.time->seconds = seconds;
        return;
    }
    // A damaged time may be damaged in its seconds alone, which this mends.
    const QString text = timer.unreadableTime;
    setTime(n, text.left(6) + QStringLiteral("%1").arg(seconds, 2, 10, QLatin1Char('0')) +
                   text.mid(8));
}

void Timers::setTime(int n, SlotTime time) {
    at(n).time = time;
    at(n).unreadableTime.clear();
}

bool Timers::toggle(int n) {
    Timer& timer = at(n);
    if (timer.state != State::Idle) {
        clearTimer(n);
        return false;
    }
    if (timer::isQuick(n)) {
        // Read afresh at every start, so an edit of "pprefs.qbx" counts
        // after a restart; a damaged line runs the standard length, and a
        // length of 0 or less rings at the first tick.
        timer.left = quickLength(settings_.presets(), n);
    } else if (!timer.time || timer.time->isZero()) {
        return false;
    }
    timer.state = State::Running;
    timer.dueMs = sinceBoot_() + 1000 * qint64(secondsUntilRing(n));
    emit started(n);
    return true;
}

void Timers::clearTimer(int n) {
    Timer& timer = at(n);
    const bool rang = timer.state == State::Ringing;
    timer.state = State::Idle;
    timer.snoozed = false;
    if (timer::isQuick(n)) {
        timer.left = 0;
    } else {
        setTime(n, slotTimeOf(settings_.prefs().line(n)));
        emit changed(n);
    }
    emit cleared(n);
    if (rang)
        emit acknowledged(n);
}

void Timers::edit(int n, int hours, int minutes, const QString& message) {
    if (!timer::isCountdown(n))
        return;
    // The seconds stay as the seconds menu set them; a damaged time has
    // none to keep.
    const int seconds = at(n).time ? at(n).time->seconds : 0;
    setTime(n, SlotTime{hours, minutes, seconds});
    const QString single = singleLineMessage(message);
    at(n).caption = single;
    settings_.prefs().setLine(n, timeText(n) + single);
    rebase(n);
    emit changed(n);
    emit edited(n);
}

void Timers::setLength(int n, int seconds, const std::optional<QString>& message) {
    if (!timer::isCountdown(n) || stateOf(n) != State::Idle)
        return;
    setTime(n, SlotTime{seconds / 3600, seconds / 60 % 60, seconds % 60});
    QString saved = settings_.prefs().line(n).mid(8);
    if (message) {
        // No longer than the editor's message box takes.
        saved = singleLineMessage(*message).left(kLongestMessage);
        at(n).caption = saved;
    }
    settings_.prefs().setLine(n, timeText(n) + saved);
    emit changed(n);
    emit edited(n);
}

void Timers::setSeconds(int n, int seconds) {
    if (!timer::isCountdown(n))
        return;
    putSeconds(n, seconds);
    // The saved message, not the caption, which holds only its first 30
    // characters after a load.
    settings_.prefs().setLine(n, timeText(n) + settings_.prefs().line(n).mid(8));
    rebase(n);
    emit changed(n);
}

void Timers::zeroSeconds(int n) {
    if (!timer::isCountdown(n))
        return;
    putSeconds(n, 0);
    rebase(n);
    emit changed(n);
}

bool Timers::acknowledgeAll() {
    bool any = false;
    timer::forEach([&](int n) {
        if (isRinging(n)) {
            clearTimer(n);
            any = true;
        }
    });
    return any;
}

int Timers::secondsUntil(qint64 dueMs) const {
    const qint64 leftMs = dueMs - sinceBoot_();
    return leftMs <= 0 ? 0 : int(qMin<qint64>((leftMs + 999) / 1000, 1000 * 3600));
}

void Timers::rebase(int n) {
    if (isRunning(n))
        at(n).dueMs = sinceBoot_() + 1000 * qint64(secondsUntilRing(n));
}

void Timers::tickCountdowns() {
    for (int n = timer::FirstCountdown; n <= timer::LastCountdown; ++n) {
        Timer& timer = at(n);
        if (timer.state != State::Running || !timer.time)
            continue;
        // As many seconds off as the clock has gone on: all of them once
        // its moment has come, also after a stall or a sleep.
        const int until = secondsUntil(timer.dueMs);
        const CountdownStep step = stepCountdown(
            *timer.time, until == 0 ? secondsUntilRing(n) : qMax(0, secondsUntilRing(n) - until));
        timer.time = step.next;
        emit changed(n);
        if (!step.trayIcon.isEmpty())
            emit lastMinute(n, step.trayIcon);
        if (step.lastSecond)
            emit lastSecond(n);
        if (until == 0)
            expire(n);
    }
}

void Timers::tickQuickTimers() {
    for (int n = timer::FirstQuick; n <= timer::LastQuick; ++n) {
        Timer& timer = at(n);
        if (timer.state != State::Running)
            continue;
        timer.left = qBound(0, timer.left, secondsUntil(timer.dueMs));
        if (timer.left <= 0)
            expire(n);
    }
}

void Timers::resume(int n, qint64 dueMs) {
    Timer& timer = at(n);
    timer.state = State::Running;
    timer.dueMs = dueMs;
    const int until = secondsUntil(dueMs);
    if (timer::isQuick(n)) {
        timer.left = until;
    } else {
        const int left = qBound(0, until - 1, 99 * 3600 + 59 * 60 + 59);
        timer.time = SlotTime{left / 3600, left / 60 % 60, left % 60};
        timer.unreadableTime.clear();
    }
    emit changed(n);
    emit resumed(n);
}

void Timers::runFor(int n, int secondsUntilRing) {
    resume(n, sinceBoot_() + 1000 * qint64(secondsUntilRing));
}

void Timers::snooze(int n, int secondsUntilRing) {
    at(n).snoozed = true;
    runFor(n, secondsUntilRing);
}

void Timers::expire(int n, std::optional<qint64> rangMs) {
    Timer& timer = at(n);
    if (rangMs)
        timer.dueMs = *rangMs;
    else if (timer.state != State::Running)
        timer.dueMs = sinceBoot_();
    timer.state = State::Ringing;
    timer.snoozed = false;
    emit expired(n);
}

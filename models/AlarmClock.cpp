// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmClock.h"

#include "core/Convert.h"
#include "core/LocalMinute.h"

void AlarmClock::setTime(int alarm, QTime time) {
    if (at(alarm).time == time)
        return;
    at(alarm).time = time;
    emit changed(alarm);
}

void AlarmClock::setAmPm(int alarm, const QString& amPm) {
    if (at(alarm).amPm == amPm)
        return;
    at(alarm).amPm = amPm;
    emit changed(alarm);
}

void AlarmClock::toggleAmPm(int alarm) {
    setAmPm(alarm,
            at(alarm).amPm == QLatin1String("AM") ? QStringLiteral("PM") : QStringLiteral("AM"));
}

void AlarmClock::copyFromOther(int alarm) {
    const Alarm& other = (*this)[3 - alarm];
    at(alarm).time = other.time;
    at(alarm).amPm = other.amPm;
    emit changed(alarm);
}

void AlarmClock::setOn(int alarm, bool on) {
    at(alarm).on = on;
    if (!on && alarm == 1)
        alarm1Alerting_ = false;
    if (!on && alarm == 2)
        alarm2Snoozing_ = false;
    emit changed(alarm);
}

void AlarmClock::setAlarm2Snoozing(bool snoozing, qint64 nextSoundMs) {
    if (alarm2Snoozing_ == snoozing && alarm2NextSound_ == nextSoundMs)
        return;
    alarm2Snoozing_ = snoozing;
    alarm2NextSound_ = snoozing ? nextSoundMs : 0;
    emit changed(2);
}

bool AlarmClock::twoDigitHour(int alarm) const {
    return hour12((*this)[alarm].time) >= 10;
}

std::optional<QDateTime> AlarmClock::nextDue(int alarm, const QDateTime& now) const {
    QDateTime minute = now.addMSecs(-(now.time().second() * 1000 + now.time().msec()));
    // Its minute today or tomorrow, on the twenty-four-hour clock; asked
    // once a tick, so not searched for minute by minute.
    const Alarm& set = (*this)[alarm];
    const QString half = set.amPm.left(1);
    if (half != QLatin1String("A") && half != QLatin1String("P"))
        return std::nullopt;
    const QTime at(hour12(set.time) % 12 + (half == QLatin1String("P") ? 12 : 0),
                   set.time.minute());
    for (int day = 0; day <= 1; ++day) {
        QDateTime candidate = minute.addDays(day);
        candidate.setTime(at);
        if (candidate > minute && inItsMinute(alarm, candidate.time()))
            return candidate;
    }
    // A day whose clock skips that minute (the spring change) has it
    // nowhere: the next minute that has it.
    for (int step = 0; step < 48 * 60; ++step) {
        minute = minute.addSecs(60);
        if (inItsMinute(alarm, minute.time()))
            return minute;
    }
    return std::nullopt;
}

std::optional<qint64> AlarmClock::nextRingMs(qint64 wallMs) const {
    std::optional<qint64> nearest;
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(wallMs);
    for (int alarm : {1, 2}) {
        if (!(*this)[alarm].on)
            continue;
        const std::optional<QDateTime> due = nextDue(alarm, now);
        if (due && (!nearest || due->toMSecsSinceEpoch() < *nearest))
            nearest = due->toMSecsSinceEpoch();
    }
    return nearest;
}

bool AlarmClock::inItsMinute(int alarm, QTime now) const {
    // The alarm's own time says nothing of the half of the day: its AM/PM
    // indicator does, compared by its first letter as a file may hold
    // anything there.
    const Alarm& set = (*this)[alarm];
    return hour12(set.time) == hour12(now) && set.time.minute() == now.minute() &&
           set.amPm.left(1) == (now.hour() < 12 ? QLatin1String("A") : QLatin1String("P"));
}

QList<int> AlarmClock::ringingAt(QTime timeOfDay, qint64 wallMs) {
    QList<int> ringing;
    const bool snoozed1 = snooze1Until_ && wallMs < snooze1Until_;
    if (!snoozed1 && inItsMinuteOnce(1, timeOfDay, wallMs))
        ringing << 1;
    if (inItsMinuteOnce(2, timeOfDay, wallMs) && !alarm2Snoozing_)
        ringing << 2;
    const qint64 since = std::exchange(lastWallMs_, wallMs);
    if (since == 0 || wallMs - since <= 60000)
        return ringing;
    for (int alarm : {1, 2}) {
        if (!ringing.contains(alarm) && jumpedOver(alarm, since, timeOfDay, wallMs))
            ringing << alarm;
    }
    return ringing;
}

bool AlarmClock::inItsMinuteOnce(int alarm, QTime timeOfDay, qint64 wallMs) {
    Pass& pass = passes_[std::size_t(alarm - 1)];
    if (!inItsMinute(alarm, timeOfDay)) {
        pass.left = pass.minute != 0;
        return false;
    }
    if (!(*this)[alarm].on)
        return false;
    const qint64 minute = localMinute(wallMs);
    if (minute == pass.minute && pass.left)
        return false;
    pass = {minute, false};
    return true;
}

bool AlarmClock::jumpedOver(int alarm, qint64 sinceWallMs, QTime timeOfDay, qint64 wallMs) const {
    if (!(*this)[alarm].on || inItsMinute(alarm, timeOfDay))
        return false;
    if (alarm == 2 && alarm2Snoozing_)
        return false;
    const std::optional<QDateTime> due =
        nextDue(alarm, QDateTime::fromMSecsSinceEpoch(sinceWallMs));
    return due && due->toMSecsSinceEpoch() <= wallMs &&
           wallMs - due->toMSecsSinceEpoch() < 10 * 60 * 1000;
}

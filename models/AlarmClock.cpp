// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmClock.h"

#include "core/Convert.h"

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

void AlarmClock::setAlarm2Snoozing(bool snoozing) {
    if (alarm2Snoozing_ == snoozing)
        return;
    alarm2Snoozing_ = snoozing;
    emit changed(2);
}

bool AlarmClock::twoDigitHour(int alarm) const {
    return timeToStr((*this)[alarm].time).mid(2, 1) == QLatin1String(":");
}

std::optional<QDateTime> AlarmClock::nextDue(int alarm, const QDateTime& now) const {
    QDateTime minute = now.addSecs(-now.time().second()).addMSecs(-now.time().msec());
    for (int step = 0; step < 24 * 60; ++step) {
        minute = minute.addSecs(60);
        if (inItsMinute(alarm, minute.time()))
            return minute;
    }
    return std::nullopt;
}

bool AlarmClock::inItsMinute(int alarm, QTime now) const {
    // The time text puts a two-digit hour one character further on.
    const bool twoDigits = twoDigitHour(alarm);
    const int n = twoDigits ? 5 : 4;
    const int designator = twoDigits ? 10 : 9;
    const QString current = timeToStr(now);
    if (timeToStr((*this)[alarm].time).left(n) != current.left(n))
        return false;
    return current.mid(designator - 1, 1) == (*this)[alarm].amPm.left(1);
}

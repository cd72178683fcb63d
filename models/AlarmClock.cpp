// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmClock.h"

#include "core/Convert.h"

void AlarmClock::SetTime(int alarm, QTime time) {
    if (At(alarm).time == time)
        return;
    At(alarm).time = time;
    emit Changed(alarm);
}

void AlarmClock::SetAmPm(int alarm, const QString& amPm) {
    if (At(alarm).amPm == amPm)
        return;
    At(alarm).amPm = amPm;
    emit Changed(alarm);
}

void AlarmClock::ToggleAmPm(int alarm) {
    SetAmPm(alarm,
            At(alarm).amPm == QLatin1String("AM") ? QStringLiteral("PM") : QStringLiteral("AM"));
}

void AlarmClock::CopyFromOther(int alarm) {
    const Alarm& other = (*this)[3 - alarm];
    At(alarm).time = other.time;
    At(alarm).amPm = other.amPm;
    emit Changed(alarm);
}

void AlarmClock::SetOn(int alarm, bool on) {
    At(alarm).on = on;
    if (!on && alarm == 1)
        alarm1Alerting_ = false;
    if (!on && alarm == 2)
        alarm2Snoozing_ = false;
    emit Changed(alarm);
}

void AlarmClock::SetAlarm2Snoozing(bool snoozing) {
    if (alarm2Snoozing_ == snoozing)
        return;
    alarm2Snoozing_ = snoozing;
    emit Changed(2);
}

bool AlarmClock::TwoDigitHour(int alarm) const {
    return TimeToStr((*this)[alarm].time).mid(2, 1) == QLatin1String(":");
}

std::optional<QDateTime> AlarmClock::NextDue(int alarm, const QDateTime& now) const {
    QDateTime minute = now.addSecs(-now.time().second()).addMSecs(-now.time().msec());
    for (int step = 0; step < 24 * 60; ++step) {
        minute = minute.addSecs(60);
        if (InItsMinute(alarm, minute.time()))
            return minute;
    }
    return std::nullopt;
}

bool AlarmClock::InItsMinute(int alarm, QTime now) const {
    // The time text puts a two-digit hour one character further on.
    const bool twoDigitHour = TwoDigitHour(alarm);
    const int n = twoDigitHour ? 5 : 4;
    const int designator = twoDigitHour ? 10 : 9;
    const QString current = TimeToStr(now);
    if (TimeToStr((*this)[alarm].time).left(n) != current.left(n))
        return false;
    return current.mid(designator - 1, 1) == (*this)[alarm].amPm.left(1);
}

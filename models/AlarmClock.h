// SPDX-License-Identifier: GPL-3.0-or-later
// The two alarms: each one's time, its AM or PM, and whether it is on; and
// what they are doing, alarm 1's alert repeating after its minute and alarm
// 2 snoozing. An alarm rings during the whole minute of its time.
#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTime>
#include <array>
#include <optional>

class AlarmClock : public QObject {
    Q_OBJECT
public:
    struct Alarm {
        // Only its hours and minutes count.
        QTime time{12, 0};
        // "AM" or "PM"; a file may give anything else, which is compared by
        // its first letter.
        QString amPm = QStringLiteral("AM");
        bool on = false;
    };

    // Alarm 1 or 2.
    const Alarm& operator[](int alarm) const { return alarms_.at(alarm - 1); }

    void setTime(int alarm, QTime time);
    void setAmPm(int alarm, const QString& amPm);
    // "AM" becomes "PM", anything else "AM".
    void toggleAmPm(int alarm);
    // The other alarm's time and AM/PM, whether on or not.
    void copyFromOther(int alarm);
    // Off ends alarm 1's repeating alert and alarm 2's snooze.
    void setOn(int alarm, bool on);

    // Its hours and minutes on the twelve-hour dial are now's, and its AM or
    // PM's first letter is now's half of the day.
    bool inItsMinute(int alarm, QTime now) const;
    // The start of the next minute after now's in which it rings, within a
    // day; nothing for an alarm no minute of the day matches.
    std::optional<QDateTime> nextDue(int alarm, const QDateTime& now) const;
    // The nearest minute either alarm that is on rings in, on the wall
    // clock; nothing while both are off.
    std::optional<qint64> nextRingMs(qint64 wallMs) const;
    // A two-digit hour on the twelve-hour dial: alarm 1's recurring alert
    // then runs on the alert timer instead of sounding at each tick of its
    // minute.
    bool twoDigitHour(int alarm) const;

    // The alarms that ring at this tick, alarm 1 first: one that is on, in
    // its minute (every tick of it, but not the same minute come round
    // again once the clock has left it), and one whose minute the wall
    // clock jumped over (a resume, the clock set) within ten minutes.
    QList<int> ringingAt(QTime timeOfDay, qint64 wallMs);
    // Alarm 1 snoozed from its notification: its own minute stays silent
    // until then, on the wall clock; 0 lets it ring again.
    void snoozeAlarm1Until(qint64 wallMs) { snooze1Until_ = wallMs; }
    qint64 alarm1SnoozedUntil() const { return snooze1Until_; }

    bool alarm1Alerting() const { return alarm1Alerting_; }
    void setAlarm1Alerting(bool alerting) { alarm1Alerting_ = alerting; }
    // Alarm 2 has rung and repeats its sound every snooze period, until it
    // is switched off.
    bool alarm2Snoozing() const { return alarm2Snoozing_; }
    // Snoozing, or not, and when its next sound comes, on the wall clock.
    void setAlarm2Snoozing(bool snoozing, qint64 nextSoundMs = 0);
    qint64 alarm2NextSound() const { return alarm2NextSound_; }

signals:
    void changed(int alarm);

private:
    Alarm& at(int alarm) { return alarms_.at(alarm - 1); }

    std::array<Alarm, 2> alarms_;
    bool alarm1Alerting_ = false;
    bool alarm2Snoozing_ = false;
    qint64 alarm2NextSound_ = 0;
    // The minute each alarm last rang in, and whether the clock has left
    // it since.
    struct Pass {
        qint64 minute = 0;
        bool left = false;
    };
    std::array<Pass, 2> passes_;
    qint64 snooze1Until_ = 0;
    // The wall clock at the last tick, to see a jump over a minute.
    qint64 lastWallMs_ = 0;

    bool inItsMinuteOnce(int alarm, QTime timeOfDay, qint64 wallMs);
    bool jumpedOver(int alarm, qint64 sinceWallMs, QTime timeOfDay, qint64 wallMs) const;
};

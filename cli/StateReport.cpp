// SPDX-License-Identifier: GPL-3.0-or-later
#include "StateReport.h"

#include "alarm/AlarmPanel.h"
#include "core/Convert.h"
#include "core/TimerNumbers.h"
#include "models/Prefs.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString moment(qint64 wallMs) {
    return QDateTime::fromMSecsSinceEpoch(wallMs)
        .toOffsetFromUtc(QDateTime::fromMSecsSinceEpoch(wallMs).offsetFromUtc())
        .toString(Qt::ISODateWithMs);
}

} // namespace

StateReport::StateReport(const Timers& timers, const AlarmClock& alarms, const Stopwatch& stopwatch,
                         const AlarmPanel& alarmPanel, platform::Clock& clock)
    : timers_(timers)
    , alarms_(alarms)
    , stopwatch_(stopwatch)
    , alarmPanel_(alarmPanel)
    , clock_(clock) {}

QByteArray StateReport::document() const {
    const qint64 wall = clock_.wallMs();
    const QJsonObject stopwatch{
        {"state", stopwatch_.atRest()    ? "idle"
                  : stopwatch_.running() ? "running"
                                         : "paused"},
        {"seconds", stopwatch_.seconds()},
    };
    return QJsonDocument(QJsonObject{{"version", 1},
                                     {"time", moment(wall)},
                                     {"timers", timers(wall)},
                                     {"stopwatch", stopwatch},
                                     {"alarms", alarms(wall)}})
        .toJson(QJsonDocument::Compact);
}

QJsonArray StateReport::timers(qint64 wall) const {
    const qint64 boot = clock_.sinceBoot();
    QJsonArray found;
    timer::forEach([&](int n) {
        if (timers_.stateOf(n) == Timers::State::Idle)
            return;
        const bool quick = timer::isQuick(n);
        const QString message = timers_.caption(n).trimmed();
        const qint64 due = timers_.dueMs(n);
        found.append(QJsonObject{
            {"number", quick ? n - timer::FirstQuick + 1 : n},
            {"kind", quick ? "quick" : "countdown"},
            {"message", quick || message == kPlaceholderMessage ? QString() : message},
            {"state", timers_.isRinging(n)   ? "ringing"
                      : timers_.isSnoozed(n) ? "snoozed"
                                             : "running"},
            {"due", moment(wall + (due - boot))},
            {"left_ms", qMax<qint64>(0, due - boot)},
            {"length", timers_.lengthSeconds(n)},
        });
    });
    return found;
}

QJsonArray StateReport::alarms(qint64 wall) const {
    QJsonArray found;
    for (int alarm : {1, 2}) {
        const AlarmClock::Alarm& set = alarms_[alarm];
        if (!set.on)
            continue;
        // Alarm 1 snoozed from its notification, alarm 2 between its sounds.
        const qint64 snoozed =
            alarm == 1 ? alarms_.alarm1SnoozedUntil() : alarms_.alarm2NextSound();
        const bool ringing = alarm == 1 && alarmPanel_.alarm1Ringing();
        const bool snoozing = alarm == 2 && alarms_.alarm2Snoozing();
        const bool snoozedNow = alarm == 1 && snoozed > wall;
        QJsonObject entry{
            {"number", alarm},
            {"time", QStringLiteral("%1:%2 %3")
                         .arg(hour12(set.time))
                         .arg(set.time.minute(), 2, 10, QLatin1Char('0'))
                         .arg(set.amPm)},
            {"state", ringing      ? "ringing"
                      : snoozing   ? "snoozing"
                      : snoozedNow ? "snoozed"
                                   : "on"},
        };
        const std::optional<QDateTime> next =
            alarms_.nextDue(alarm, QDateTime::fromMSecsSinceEpoch(wall));
        if (snoozing || snoozedNow)
            entry.insert("next", moment(snoozed));
        else if (next)
            entry.insert("next", moment(next->toMSecsSinceEpoch()));
        found.append(entry);
    }
    return found;
}

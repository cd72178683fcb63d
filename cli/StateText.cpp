// SPDX-License-Identifier: GPL-3.0-or-later
#include "StateText.h"

#include "core/Convert.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace {

struct Timer {
    QString name;
    QString state;
    qint64 dueMs = 0;
    qint64 leftMs = 0;
    int length = 0;
};

QList<Timer> timersOf(const QJsonObject& state, qint64 nowMs) {
    QList<Timer> found;
    for (const QJsonValue& value : state.value(QLatin1String("timers")).toArray()) {
        const QJsonObject timer = value.toObject();
        const int number = timer.value(QLatin1String("number")).toInt();
        const QString message = timer.value(QLatin1String("message")).toString();
        const int length = timer.value(QLatin1String("length")).toInt();
        const bool quick = timer.value(QLatin1String("kind")).toString() == QLatin1String("quick");
        QString name = message;
        if (quick && length % 60)
            //: %1 is its length, such as 1:30.
            name = QCoreApplication::translate("StateText", "Quick timer %1")
                       .arg(durationText(length));
        else if (quick)
            name = QCoreApplication::translate("Timers", "Quick timer %1 min").arg(length / 60);
        else if (message.isEmpty())
            name = QCoreApplication::translate("Timers", "Timer %1").arg(number);
        const qint64 due =
            QDateTime::fromString(timer.value(QLatin1String("due")).toString(), Qt::ISODateWithMs)
                .toMSecsSinceEpoch();
        // What its box shows: a countdown reads 0:00:00 for the second
        // before it rings.
        const qint64 shown = due - nowMs - (quick ? 0 : 1000);
        found.append({name, timer.value(QLatin1String("state")).toString(), due,
                      qMax<qint64>(0, shown), length});
    }
    return found;
}

QString clockTime(qint64 ms) {
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(ms).time(), QLocale::ShortFormat);
}

// A moment to come: its time today, else its day and time.
QString comingTime(const QDateTime& when, qint64 nowMs) {
    const QString time = QLocale().toString(when.time(), QLocale::ShortFormat);
    if (when.date() == QDateTime::fromMSecsSinceEpoch(nowMs).date())
        return time;
    //: %1 is a short day name, %2 a time of day: when an alarm rings next.
    return QCoreApplication::translate("StateText", "%1 %2", "day and time")
        .arg(QLocale().dayName(when.date().dayOfWeek(), QLocale::ShortFormat), time);
}

// Whole seconds left, rounded up as the window's boxes count them.
QString left(qint64 ms) {
    return durationText(int((ms + 999) / 1000));
}

QString timerLine(const Timer& timer) {
    if (timer.state == QLatin1String("ringing"))
        //: %1 is a timer's name (Timer 3, or its message), %2 a time of day.
        return QCoreApplication::translate("StateText", "%1: ringing since %2")
            .arg(timer.name, clockTime(timer.dueMs));
    if (timer.state == QLatin1String("snoozed"))
        //: %1 is a timer's name, %2 the time left (0:04:32).
        return QCoreApplication::translate("StateText", "%1: snoozed, %2 left")
            .arg(timer.name, left(timer.leftMs));
    //: %1 is a timer's name, %2 the time left (0:04:32).
    return QCoreApplication::translate("StateText", "%1: %2 left")
        .arg(timer.name, left(timer.leftMs));
}

QStringList otherLines(const QJsonObject& state, qint64 nowMs) {
    QStringList lines;
    const QJsonObject stopwatch = state.value(QLatin1String("stopwatch")).toObject();
    const QString watch = stopwatch.value(QLatin1String("state")).toString();
    const int seconds = stopwatch.value(QLatin1String("seconds")).toInt();
    if (watch == QLatin1String("running"))
        //: %1 is the time counted (1:15).
        lines << QCoreApplication::translate("StateText", "Stopwatch: running, %1")
                     .arg(durationText(seconds));
    else if (watch == QLatin1String("paused"))
        //: %1 is the time counted (1:15).
        lines << QCoreApplication::translate("StateText", "Stopwatch: paused at %1")
                     .arg(durationText(seconds));
    for (const QJsonValue& value : state.value(QLatin1String("alarms")).toArray()) {
        const QJsonObject alarm = value.toObject();
        const QString number = QString::number(alarm.value(QLatin1String("number")).toInt());
        const QString time = alarm.value(QLatin1String("time")).toString();
        const QString how = alarm.value(QLatin1String("state")).toString();
        const QDateTime next =
            QDateTime::fromString(alarm.value(QLatin1String("next")).toString(), Qt::ISODateWithMs);
        const QString at = comingTime(next, nowMs);
        if (how == QLatin1String("ringing"))
            //: %2 is the alarm's time as its dial shows it (7:30 AM).
            lines << QCoreApplication::translate("StateText", "Alarm %1: %2, ringing")
                         .arg(number, time);
        else if (how == QLatin1String("snoozing") || how == QLatin1String("snoozed"))
            //: %2 is the alarm's time as its dial shows it (7:30 AM), %3 a time of
            //: day, perhaps with a day name before it.
            lines << QCoreApplication::translate("StateText",
                                                 "Alarm %1: %2, snoozing, rings again at %3")
                         .arg(number, time, at);
        else
            //: %2 is the alarm's time as its dial shows it (7:30 AM), %3 a time of
            //: day, perhaps with a day name before it.
            lines << QCoreApplication::translate("StateText", "Alarm %1: %2, rings at %3")
                         .arg(number, time, at);
    }
    return lines;
}

} // namespace

QString statusLines(const QByteArray& document, qint64 nowMs) {
    const QJsonObject state = QJsonDocument::fromJson(document).object();
    QStringList lines;
    for (const Timer& timer : timersOf(state, nowMs))
        lines << timerLine(timer);
    lines << otherLines(state, nowMs);
    if (lines.isEmpty())
        lines << QCoreApplication::translate("StateText", "Nothing is running.");
    return lines.join(u'\n') + u'\n';
}

PanelLine panelLine(const QByteArray& document, qint64 nowMs) {
    if (document.isEmpty())
        return {QString(), QCoreApplication::translate("StateText", "Quorbel is not running."),
                QStringLiteral("idle"), 0, false};
    const QJsonObject state = QJsonDocument::fromJson(document).object();
    const QList<Timer> timers = timersOf(state, nowMs);
    PanelLine line;
    QStringList tip;
    const Timer* nearest = nullptr;
    for (const Timer& timer : timers) {
        tip << timerLine(timer);
        const bool ringing = timer.state == QLatin1String("ringing");
        line.counting = line.counting || !ringing;
        // A ringing one first, then the nearest to ringing.
        const bool nearestRings = nearest && nearest->state == QLatin1String("ringing");
        if (!nearest || (ringing && !nearestRings) ||
            (ringing == nearestRings && timer.leftMs < nearest->leftMs))
            nearest = &timer;
    }
    tip << otherLines(state, nowMs);
    line.tooltip = tip.isEmpty() ? QCoreApplication::translate("StateText", "Nothing is running.")
                                 : tip.join(u'\n');
    if (!nearest)
        return line;
    if (nearest->state == QLatin1String("ringing")) {
        //: A panel bar's short line: %1 is a timer's name.
        line.text = QCoreApplication::translate("StateText", "%1 ringing").arg(nearest->name);
        line.cssClass = QStringLiteral("ringing");
        line.percentage = 100;
        return line;
    }
    line.text =
        //: A panel bar's short line: %1 is a timer's name, %2 the time left (4:32).
        QCoreApplication::translate("StateText", "%1 %2", "name and time left")
            .arg(nearest->name, left(nearest->leftMs));
    line.cssClass =
        nearest->leftMs <= 60000 ? QStringLiteral("last-minute") : QStringLiteral("running");
    if (nearest->length > 0)
        line.percentage =
            int(qBound(qint64(0), 100 - nearest->leftMs / 10 / nearest->length, qint64(100)));
    return line;
}

QByteArray waybarJson(const PanelLine& line) {
    return QJsonDocument(QJsonObject{{"text", line.text},
                                     {"tooltip", line.tooltip},
                                     {"class", line.cssClass},
                                     {"percentage", line.percentage}})
        .toJson(QJsonDocument::Compact);
}

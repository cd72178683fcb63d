// SPDX-License-Identifier: GPL-3.0-or-later
// What the program has, for scripts and panels: one JSON object, made when
// a probe or D-Bus asks for it. Its keys and the words of its values are
// fixed English and never translated; the README documents them:
//
//   {"version": 1, "time": "<now>",
//    "timers": [{"number": 3, "kind": "countdown" | "quick", "message": "Pasta",
//                "state": "running" | "ringing" | "snoozed",
//                "due": "<when it rings, or rang>", "left_ms": 1499000,
//                "length": 1500}, ...],
//    "stopwatch": {"state": "idle" | "running" | "paused", "seconds": 75},
//    "alarms": [{"number": 1, "time": "7:30 AM",
//                "state": "on" | "ringing" | "snoozed" | "snoozing",
//                "next": "<its next ring>"}, ...]}
//
// Moments are ISO 8601 with the local offset, to the millisecond. A
// quick timer's number is its place in the row, 1 to 12, as the command
// line counts them; its message is empty, and so is a countdown's whose
// message is still the placeholder. Only the timers that run, ring or are
// snoozed are listed, and only the alarms that are on.
#pragma once

#include "models/AlarmClock.h"
#include "models/Stopwatch.h"
#include "models/Timers.h"
#include "platform/Platform.h"

#include <QByteArray>
#include <QJsonArray>

class AlarmPanel;

class StateReport {
public:
    StateReport(const Timers& timers, const AlarmClock& alarms, const Stopwatch& stopwatch,
                const AlarmPanel& alarmPanel, platform::Clock& clock);
    // The document, one line of JSON.
    QByteArray document() const;

private:
    QJsonArray timers(qint64 wall) const;
    QJsonArray alarms(qint64 wall) const;

    const Timers& timers_;
    const AlarmClock& alarms_;
    const Stopwatch& stopwatch_;
    const AlarmPanel& alarmPanel_;
    platform::Clock& clock_;
};

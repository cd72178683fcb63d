// SPDX-License-Identifier: GPL-3.0-or-later
// The running copy's state (its JSON document) in words, written by the
// start that asked for it, in its own language: the lines of --status, and
// the line a panel bar shows (--watch).
#pragma once

#include <QByteArray>
#include <QString>

// One line for each timer that runs, rings or is snoozed, the stopwatch in
// use and each alarm that is on; "Nothing is running." for none.
QString statusLines(const QByteArray& document, qint64 nowMs);

// What a panel bar shows: the nearest timer ("Tea 4:32"), all that runs
// in the tip, a class (idle, running, last-minute, ringing) and how much
// of the nearest timer's length has gone, in percent.
struct PanelLine {
    QString text;
    QString tooltip;
    QString cssClass = QStringLiteral("idle");
    int percentage = 0;
    // Something counts down: the line changes every second.
    bool counting = false;
    bool operator==(const PanelLine&) const = default;
};
// From the document, at that moment (ms since the epoch); an empty
// document is a program that does not run.
PanelLine panelLine(const QByteArray& document, qint64 nowMs);
// As waybar's custom module reads it, with "return-type": "json".
QByteArray waybarJson(const PanelLine& line);

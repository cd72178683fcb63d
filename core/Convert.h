// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions of user-written text that the handlers rely on. Each throws
// EConvertError on text it cannot read; the handler guard turns that into a
// silent end of the handler, so callers never check a result.
#pragma once

#include <QString>
#include <QTime>
#include <stdexcept>

class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The digits of a text in their order: "SpeedButton7" gives "7", "15 min"
// "15". It names the slot of a control, and the length of a snooze button.
QString digitsOf(const QString& text);

// A whole number: optional leading blanks, an optional sign, then decimal
// digits, or hexadecimal ones after "$" or "0x". Nothing may follow.
int strToInt(const QString& text);

// The hour on the twelve-hour dial: 12 for midnight and noon, 1 to 11 else.
int hour12(QTime time);
// The 12-hour time text the settings file keeps, whatever the desktop's
// locale: "9:30:00 AM", "12:05:09 PM".
QString timeToStr(QTime time);

// A length of time as the desktop shows it: "4:32", or "1:04:32" past an
// hour.
QString durationText(int seconds);

// A time written "hhmm", as the schedule compares it: 09:30 gives "0930".
QString hhmmOf(QTime time);

// Reads "h:mm", "h:mm:ss", each optionally followed by AM or PM. Without a
// designator the hour is 0 to 23; with one it is 1 to 12.
QTime strToTime(const QString& text);

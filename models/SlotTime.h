// SPDX-License-Identifier: GPL-3.0-or-later
// The arithmetic of a countdown slot's time box, "hh:mm:ss".
#pragma once

#include <QString>
#include <optional>

struct SlotTime {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;

    // Eight characters hh:mm:ss of two decimal digits each; anything else,
    // which only a damaged settings line can put in a time box, is no time.
    static std::optional<SlotTime> parse(const QString& text);
    QString text() const;
    bool isZero() const { return hours == 0 && minutes == 0 && seconds == 0; }

    bool operator==(const SlotTime&) const = default;
};

// Seconds off a running countdown, one after the other as the ticks of a
// clock would take them: the tray's icon is the last one chosen, and a
// countdown that reached 00:00:00 runs out at the second after.
struct CountdownStep {
    enum class Kind {
        Second, // a second was taken off
        Borrow, // a minute or an hour was broken into seconds
        RunOut, // the time was already 00:00:00: the slot expires
    };
    Kind kind;
    SlotTime next;
    // The coloured tray icon for the new time in the last minute, "M1" to
    // "M6", or empty.
    QString trayIcon;
    // The step wrote 00:00:00: the slot's last second.
    bool lastSecond = false;
};
CountdownStep stepCountdown(const SlotTime& now, int seconds = 1);

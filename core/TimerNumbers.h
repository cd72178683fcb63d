// SPDX-License-Identifier: GPL-3.0-or-later
// The timers' numbers, as the window's rows and "prefs.qbx" count them: the
// ten countdowns 1 to 10 and the twelve quick timers 23 to 34.
#pragma once

namespace timer {

constexpr int FirstCountdown = 1;
constexpr int LastCountdown = 10;
constexpr int FirstQuick = 23;
constexpr int LastQuick = 34;
constexpr int QuickCount = LastQuick - FirstQuick + 1;

// How long a snooze asked for from a notification or the command line
// lasts; the alarm's own snooze length is an option.
constexpr int SnoozeMinutes = 5;

constexpr bool isCountdown(int n) {
    return n >= FirstCountdown && n <= LastCountdown;
}

constexpr bool isQuick(int n) {
    return n >= FirstQuick && n <= LastQuick;
}

// The k-th quick timer from the left, 1 to QuickCount, as the command line
// counts them.
constexpr int quickNumber(int k) {
    return FirstQuick - 1 + k;
}

constexpr bool isTimer(int n) {
    return isCountdown(n) || isQuick(n);
}

// Calls f with every timer's number, the countdowns first.
template <typename F> void forEach(F&& f) {
    for (int n = FirstCountdown; n <= LastCountdown; ++n)
        f(n);
    for (int n = FirstQuick; n <= LastQuick; ++n)
        f(n);
}

} // namespace timer

// SPDX-License-Identifier: GPL-3.0-or-later
// The settings files: "prefs.qbx" (options, ten countdown slots, two
// alarms) and "pprefs.qbx" (twelve quick-timer lengths in seconds).
//
// Line 0 of "prefs.qbx" holds one character per option:
//   1 "Sound", 2 "Recur", 3 "Minimize on timer", 4 alarm 1 "Recur":
//     "1" on, anything else off
//   5 snooze length: "1" to "7" for 1, 3, 5, 9, 15, 20, 30 minutes
//   6 alarm-clock half open, 7 both alarms on at start: "1" yes
//   8 alarm delay "1" to "9", 9 tray colour change "0" to "5"
// and carries whatever follows position 9 along unchanged.
#pragma once

#include "core/LineList.h"

#include <QString>
#include <optional>

// The message a countdown has until the user gives it one: the layout's
// caption, and what the file keeps for it.
inline const QString kPlaceholderMessage = QStringLiteral("Message");
// The longest message the editor's box takes, and so any message.
constexpr int kLongestMessage = 32767;

// What the store holds before any file is read: the option flags, ten
// slots of "00:00:00Message", both alarms at noon and both indicators "AM".
// A first run thus keeps the slots the user sets.
QString defaultPrefsText();
// The standard quick-timer lengths, one a line: 1 to 10, 15 and 20 minutes.
QString defaultPprefsText();

// What line 0 asks of each option. An option a character does not speak
// for (a damaged one included) is left empty and keeps its current state.
struct StoredOptions {
    bool sound = false;
    bool recur = false;
    bool minimizeOnTimer = false;
    bool alarm1Recur = false;
    std::optional<int> snooze; // 1 to 7
    bool alarmHalfOpen = false;
    bool startOn = false;
    std::optional<int> alarmDelay; // 1 to 9
    std::optional<int> trayColour; // 0 to 5
};
StoredOptions readOptions(const QString& flags);

// The options as the controls hold them at save; 0 (or -1 for the tray
// colour) where no item is chosen, which leaves the character as it was.
struct CurrentOptions {
    bool sound = false;
    bool recur = false;
    bool minimizeOnTimer = false;
    bool alarm1Recur = false;
    int snooze = 0;
    bool alarmHalfOpen = false;
    bool startOn = false;
    int alarmDelay = 0;
    int trayColour = -1;

    bool operator==(const CurrentOptions&) const = default;
};
// Rewrites positions 1 to 9, first filling a short text up to 9 with "0".
QString writeOptions(const QString& flags, const CurrentOptions& options);

// A slot's message never holds a line break, which would split its line
// of "prefs.qbx" in two: CR, LF and every other line or paragraph
// separator becomes a blank.
QString singleLineMessage(const QString& text);

// A countdown slot's saved line: its time, then its message.
inline QString slotTimeOf(const QString& line) {
    return line.left(8);
}
// What the slot's button shows of the message: its first 30 characters.
inline QString slotCaptionOf(const QString& line) {
    return line.mid(8, 30);
}

// A quick timer's length in seconds from its line of "pprefs.qbx"; a line
// that is no whole number gives the standard length.
int quickLength(const LineList& presets, int slot);
// The button's caption: whole minutes, or nothing for a damaged line.
std::optional<QString> quickCaption(const LineList& presets, int slot);

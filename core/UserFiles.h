// SPDX-License-Identifier: GPL-3.0-or-later
// The five files that are the user's: what the program keeps, and the two
// sounds the user may replace.
#pragma once

#include <QString>

namespace file {

// Options, the ten countdown slots and the two alarms.
inline const QString Prefs = QStringLiteral("prefs.qbx");
// The twelve quick-timer lengths, edited by hand.
inline const QString Presets = QStringLiteral("pprefs.qbx");
// The schedule list.
inline const QString Schedule = QStringLiteral("proc.qbx");
// The alert that repeats every second, and the one played once.
inline const QString RepeatSound = QStringLiteral("Alarm1.wav");
inline const QString EndSound = QStringLiteral("Alarm2.wav");

} // namespace file

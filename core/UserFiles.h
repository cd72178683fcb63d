// SPDX-License-Identifier: GPL-3.0-or-later
// The files that are the user's: what the program keeps, and the two
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
// What runs, for the next start after a crash, a kill or a reboot.
inline const QString Journal = QStringLiteral("journal.qbx");
// How each countdown and alarm alerts, as the user tuned it.
inline const QString AlertOptions = QStringLiteral("alerts.ini");
// The alert that repeats every second, and the one played once.
inline const QString RepeatSound = QStringLiteral("Alarm1.wav");
inline const QString EndSound = QStringLiteral("Alarm2.wav");

} // namespace file

// Where the user's files are, settled once at start. A copy with
// "prefs.qbx" or "pprefs.qbx" beside its program is portable: all five
// files live there. Any other is installed: the files are written in the
// user's settings folder, and the quick-timer lengths and the sounds are
// read from there when the user put a copy there, else from the installed
// defaults in share/quorbel beside the program's bin/.
class UserFiles {
public:
    UserFiles(const QString& programFolder, const QString& configHome);

    bool portable() const { return portable_; }
    // Where every file is written; an installed copy's comes with its
    // first save.
    const QString& folder() const { return folder_; }
    QString read(const QString& name) const;
    QString write(const QString& name) const;

private:
    bool portable_;
    QString folder_;
    QString defaults_;
};

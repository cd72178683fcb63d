// SPDX-License-Identifier: GPL-3.0-or-later
// The user's settings as their files hold them: every line of "prefs.qbx",
// the ones no version of the program reads included, and the quick-timer
// lengths of "pprefs.qbx". What reads and writes the lines knows their
// meaning (Prefs.h); this keeps them, and knows whether the file on disk
// may be replaced by them. Not QSettings: these are plain lines in a fixed
// order that other copies of the program read, not keys.
#pragma once

#include "core/LineList.h"
#include "core/TextFile.h"

#include <QByteArray>
#include <QString>
#include <optional>

class SettingsStore {
public:
    // The defaults: a first run keeps the slots the user sets.
    SettingsStore();

    // Reads both files. A prefs file too short for every slot and alarm
    // gets the missing lines from the defaults, so that nothing the user
    // sets is dropped at save; one with no line at all (empty, or a
    // byte-order mark alone), what an interrupted save used to leave,
    // counts as none. A presets file that cannot be read leaves the
    // standard lengths.
    void load(const QString& prefsPath, const QString& presetsPath);

    // What became of reading "prefs.qbx"; nothing before the first load.
    std::optional<FileState> prefsFile() const { return prefsFile_; }
    // A file that could not be read, or was never read, is never replaced
    // by this run's lines.
    bool mayWritePrefs() const { return prefsFile_ && *prefsFile_ != FileState::Unreadable; }

    LineList& prefs() { return prefs_; }
    const LineList& prefs() const { return prefs_; }
    LineList& presets() { return presets_; }
    const LineList& presets() const { return presets_; }

private:
    LineList prefs_;
    LineList presets_;
    std::optional<FileState> prefsFile_;
};

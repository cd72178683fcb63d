// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsStore.h"
#include "Prefs.h"

namespace {

constexpr int kPrefsLines = 15;

} // namespace

SettingsStore::SettingsStore() {
    prefs_.setText(defaultPrefsText());
    presets_.setText(defaultPprefsText());
}

void SettingsStore::load(const QString& prefsPath, const QString& presetsPath) {
    QByteArray bytes;
    prefsFile_ = readWholeFile(prefsPath, bytes);
    if (prefsFile_ == FileState::Read) {
        LineList stored;
        stored.setBytes(bytes);
        if (stored.count() == 0) {
            prefsFile_ = FileState::Missing;
        } else {
            LineList defaults;
            defaults.setText(defaultPrefsText());
            for (int line = stored.count(); line < kPrefsLines; ++line)
                stored.append(defaults.line(line));
            prefs_ = stored;
        }
    }
    if (readWholeFile(presetsPath, bytes) == FileState::Read)
        presets_.setBytes(bytes);
}

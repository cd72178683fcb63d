// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsStore.h"
#include "Prefs.h"

namespace {

constexpr int kPrefsLines = 15;

} // namespace

SettingsStore::SettingsStore() {
    prefs_.SetText(DefaultPrefsText());
    presets_.SetText(DefaultPprefsText());
}

void SettingsStore::Load(const QString& prefsPath, const QString& presetsPath) {
    QByteArray bytes;
    prefsFile_ = ReadWholeFile(prefsPath, bytes);
    if (prefsFile_ == FileState::Read) {
        LineList stored;
        stored.SetBytes(bytes);
        if (stored.Count() == 0) {
            prefsFile_ = FileState::Missing;
        } else {
            LineList defaults;
            defaults.SetText(DefaultPrefsText());
            for (int line = stored.Count(); line < kPrefsLines; ++line)
                stored.Append(defaults.Line(line));
            prefs_ = stored;
        }
    }
    if (ReadWholeFile(presetsPath, bytes) == FileState::Read)
        presets_.SetBytes(bytes);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// "prefs.qbx" and "pprefs.qbx" between the disk and the program: read into
// the models at the first activation, written back from them at close. A changed alarm time is
// saved only if the user says so.
#pragma once

#include "alarm/AlarmPanel.h"
#include "core/UserFiles.h"
#include "models/AlarmClock.h"
#include "models/Options.h"
#include "models/Prefs.h"
#include "models/SettingsStore.h"
#include "models/Timers.h"
#include "platform/Platform.h"
#include <QObject>

class SettingsFile : public QObject {
    Q_OBJECT
public:
    SettingsFile(SettingsStore& settings, Options& options, Timers& timers, AlarmClock& alarms,
                 AlarmPanel& alarmPanel, platform::Platform platform, const UserFiles& files,
                 QObject* parent);

    // An error when the file cannot be read at all; a file it refuses
    // stays as it is.
    void load();
    // An error when the file cannot be written. Ending with the desktop, it
    // asks nothing and keeps a changed alarm time.
    void saveSettings(bool askNothing);

    // Every line of the files.
    SettingsStore& store() { return settings_; }
    // Line 0 of "prefs.qbx": one character per option, the rest carried along.
    const QString& optionFlags() const { return flags_; }

signals:
    // The settings open the alarm half.
    void alarmHalfAsked();
    // The settings file is there but cannot be read; it will not be written.
    void unreadable(const QString& path);

private:
    void apply();

    SettingsStore& settings_;
    Options& options_;
    Timers& timers_;
    AlarmClock& alarms_;
    AlarmPanel& alarmPanel_;
    platform::Platform platform_;
    const UserFiles& files_;
    QString flags_ = QString(30, u'0');
};

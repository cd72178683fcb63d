// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFile.h"

#include "core/Convert.h"
#include "core/Guard.h"
#include "models/Prefs.h"
#include "platform/WriteUserFile.h"

#include <QDir>

SettingsFile::SettingsFile(SettingsStore& settings, Timers& timers, AlarmClock& alarms,
                           AlarmPanel& alarmPanel, platform::Platform platform,
                           const UserFiles& files, Controls controls, QObject* parent)
    : QObject(parent)
    , settings_(settings)
    , timers_(timers)
    , alarms_(alarms)
    , alarmPanel_(alarmPanel)
    , platform_(platform)
    , files_(files)
    , controls_(controls) {}

void SettingsFile::Load() {
    settings_.Load(files_.Read(file::Prefs), files_.Read(file::Presets));
    // Kept as it is, and the user knows that this run's changes go nowhere
    // until the file is mended or moved away.
    if (settings_.PrefsFile() == FileState::Unreadable)
        emit Unreadable(QDir::toNativeSeparators(files_.Read(file::Prefs)));
    if (settings_.PrefsFile() == FileState::Read)
        Apply();
    // Whole minutes on the quick-timer buttons.
    timers_.ReadPresets();
}

void SettingsFile::Apply() {
    const LineList& prefs = settings_.Prefs();
    flags_ = prefs.Line(0);
    const StoredOptions options = ReadOptions(flags_);
    controls_.sound->setChecked(options.sound);
    controls_.recur->setChecked(options.recur);
    controls_.minimizeOnTimer->setChecked(options.minimizeOnTimer);
    controls_.alarm1Recur->setChecked(options.alarm1Recur);
    if (options.snooze)
        alarmPanel_.SetSnoozeChoice(*options.snooze);
    if (options.alarmHalfOpen)
        emit AlarmHalfAsked();
    controls_.startOn->setChecked(options.startOn);
    if (options.startOn) {
        alarms_.SetOn(1, true);
        alarms_.SetOn(2, true);
    }
    if (options.alarmDelay)
        controls_.alarmDelay->actions()[*options.alarmDelay - 1]->setChecked(true);
    if (options.trayColour)
        controls_.trayColour->actions()[*options.trayColour]->setChecked(true);

    timers_.ReadSaved();
    // A damaged alarm time keeps the picker's time and stays in the file as
    // it was, unless the user sets a new one.
    for (int alarm : {1, 2}) {
        Guard([&] { alarms_.SetTime(alarm, StrToTime(prefs.Line(10 + alarm))); });
        alarms_.SetAmPm(alarm, prefs.Line(12 + alarm));
    }
}

CurrentOptions SettingsFile::Options() const {
    CurrentOptions options;
    options.sound = controls_.sound->isChecked();
    options.recur = controls_.recur->isChecked();
    options.minimizeOnTimer = controls_.minimizeOnTimer->isChecked();
    options.alarm1Recur = controls_.alarm1Recur->isChecked();
    options.snooze = alarmPanel_.SnoozeChoice();
    options.alarmHalfOpen = controls_.alarmHalf->isChecked();
    options.startOn = controls_.startOn->isChecked();
    const QList<QAction*> delays = controls_.alarmDelay->actions();
    for (int i = 0; i < delays.size(); ++i) {
        if (delays[i]->isChecked())
            options.alarmDelay = i + 1;
    }
    const QList<QAction*> trayColours = controls_.trayColour->actions();
    for (int i = 0; i < trayColours.size(); ++i) {
        if (trayColours[i]->isChecked())
            options.trayColour = i;
    }
    return options;
}

void SettingsFile::Save(bool askNothing) {
    if (!settings_.MayWritePrefs())
        return;
    flags_ = WriteOptions(flags_, Options());
    settings_.Prefs().SetLine(0, flags_);

    if (alarmPanel_.TimeChanged()) {
        // The desktop ending the program waits for no answer; the times the
        // user set are kept, as the default answer would keep them.
        const auto answer =
            askNothing
                ? platform::Questions::Answer::Yes
                : platform_.questions.Ask(platform::Questions::Kind::Confirmation,
                                          QStringLiteral("Confirm"),
                                          QStringLiteral("Alarm time changed, save new time?"),
                                          platform::Questions::Button::No);
        if (answer == platform::Questions::Answer::Yes) {
            for (int alarm : {1, 2}) {
                settings_.Prefs().SetLine(10 + alarm, TimeToStr(alarms_[alarm].time));
                settings_.Prefs().SetLine(12 + alarm, alarms_[alarm].amPm);
            }
        }
    }
    platform::WriteUserFile(platform_.files, files_, file::Prefs, settings_.Prefs().Bytes());
    alarmPanel_.Saved();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving "prefs.qbx" and "pprefs.qbx", beside the executable.
#include "core/Colors.h"
#include "core/Convert.h"
#include "core/UserFiles.h"
#include "models/Prefs.h"
#include "window/MainWindow.h"

#include <QDir>

void MainWindow::LoadSettings() {
    settings_.Load(files_.Read(file::Prefs), files_.Read(file::Presets));
    if (settings_.PrefsFile() == FileState::Unreadable) {
        // Kept as it is, and the user knows that this run's changes go
        // nowhere until the file is mended or moved away.
        const QString path = QDir::toNativeSeparators(files_.Read(file::Prefs));
        AfterFirstFrame([this, path] {
            platform_.questions.Tell(QStringLiteral("Quorbel"),
                                     QStringLiteral("The settings file could not be read and "
                                                    "will not be overwritten:\n%1")
                                         .arg(path));
        });
    }
    if (settings_.PrefsFile() == FileState::Read)
        ApplyPrefs();
    // Whole minutes on the quick-timer buttons.
    timers_.ReadPresets();
}

void MainWindow::ApplyPrefs() {
    const LineList& prefs = settings_.Prefs();
    State.OptionFlags = prefs.Line(0);
    const StoredOptions options = ReadOptions(State.OptionFlags);
    soundBox->setChecked(options.sound);
    recurBox->setChecked(options.recur);
    minimizeOnTimerItem->setChecked(options.minimizeOnTimer);
    alarm1RecurBox->setChecked(options.alarm1Recur);
    if (options.snooze)
        SnoozeButtons()[*options.snooze - 1]->setChecked(true);
    if (options.alarmHalfOpen)
        ToggleAlarmHalf(this);
    startOnBox->setChecked(options.startOn);
    if (options.startOn) {
        alarms_.SetOn(1, true);
        alarms_.SetOn(2, true);
    }
    if (options.alarmDelay)
        alarmDelayMenu->actions()[*options.alarmDelay - 1]->setChecked(true);
    if (options.trayColour)
        trayColourMenu->actions()[*options.trayColour]->setChecked(true);

    timers_.ReadSaved();
    // A damaged alarm time keeps the picker's time and stays in the file as
    // it was, unless the user sets a new one.
    for (int alarm : {1, 2}) {
        Guard([&] { alarms_.SetTime(alarm, StrToTime(prefs.Line(10 + alarm))); });
        alarms_.SetAmPm(alarm, prefs.Line(12 + alarm));
    }
}

void MainWindow::SaveSettings() {
    if (!settings_.MayWritePrefs())
        return;

    CurrentOptions options;
    options.sound = soundBox->isChecked();
    options.recur = recurBox->isChecked();
    options.minimizeOnTimer = minimizeOnTimerItem->isChecked();
    options.alarm1Recur = alarm1RecurBox->isChecked();
    const auto snooze = SnoozeButtons();
    for (int i = 0; i < int(snooze.size()); ++i) {
        if (snooze[i]->isChecked())
            options.snooze = i + 1;
    }
    options.alarmHalfOpen = alarmClockItem->isChecked();
    options.startOn = startOnBox->isChecked();
    const QList<QAction*> delays = alarmDelayMenu->actions();
    for (int i = 0; i < delays.size(); ++i) {
        if (delays[i]->isChecked())
            options.alarmDelay = i + 1;
    }
    const QList<QAction*> trayColours = trayColourMenu->actions();
    for (int i = 0; i < trayColours.size(); ++i) {
        if (trayColours[i]->isChecked())
            options.trayColour = i;
    }
    State.OptionFlags = WriteOptions(State.OptionFlags, options);
    settings_.Prefs().SetLine(0, State.OptionFlags);

    if (State.AlarmTimeChanged) {
        // The desktop ending the program waits for no answer; the times the
        // user set are kept, as the default answer would keep them.
        const auto answer =
            sessionEnding_
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
    WriteUserFile(file::Prefs, settings_.Prefs().Bytes());
    State.AlarmTimeChanged = false;
}

bool MainWindow::AlarmsDifferFromSaved() const {
    const LineList& saved = settings_.Prefs();
    const auto savedTime = [&](int line) -> std::optional<QTime> {
        try {
            return StrToTime(saved.Line(line));
        } catch (const EConvertError&) {
            return std::nullopt;
        }
    };
    return savedTime(11) != alarms_[1].time || savedTime(12) != alarms_[2].time ||
           saved.Line(13) != alarms_[1].amPm || saved.Line(14) != alarms_[2].amPm;
}

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

void SettingsFile::load() {
    settings_.load(files_.read(file::Prefs), files_.read(file::Presets));
    // Kept as it is, and the user knows that this run's changes go nowhere
    // until the file is mended or moved away.
    if (settings_.prefsFile() == FileState::Unreadable)
        emit unreadable(QDir::toNativeSeparators(files_.read(file::Prefs)));
    if (settings_.prefsFile() == FileState::Read)
        apply();
    // Whole minutes on the quick-timer buttons.
    timers_.readPresets();
}

void SettingsFile::apply() {
    const LineList& prefs = settings_.prefs();
    flags_ = prefs.line(0);
    const StoredOptions options = readOptions(flags_);
    controls_.sound->setChecked(options.sound);
    controls_.recur->setChecked(options.recur);
    controls_.minimizeOnTimer->setChecked(options.minimizeOnTimer);
    controls_.alarm1Recur->setChecked(options.alarm1Recur);
    if (options.snooze)
        alarmPanel_.setSnoozeChoice(*options.snooze);
    if (options.alarmHalfOpen)
        emit alarmHalfAsked();
    controls_.startOn->setChecked(options.startOn);
    if (options.startOn) {
        alarms_.setOn(1, true);
        alarms_.setOn(2, true);
    }
    if (options.alarmDelay)
        controls_.alarmDelay->actions()[*options.alarmDelay - 1]->setChecked(true);
    if (options.trayColour)
        controls_.trayColour->actions()[*options.trayColour]->setChecked(true);

    timers_.readSaved();
    // A damaged alarm time keeps the picker's time and stays in the file as
    // it was, unless the user sets a new one.
    for (int alarm : {1, 2}) {
        guard([&] { alarms_.setTime(alarm, strToTime(prefs.line(10 + alarm))); });
        alarms_.setAmPm(alarm, prefs.line(12 + alarm));
    }
}

CurrentOptions SettingsFile::options() const {
    CurrentOptions options;
    options.sound = controls_.sound->isChecked();
    options.recur = controls_.recur->isChecked();
    options.minimizeOnTimer = controls_.minimizeOnTimer->isChecked();
    options.alarm1Recur = controls_.alarm1Recur->isChecked();
    options.snooze = alarmPanel_.snoozeChoice();
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

void SettingsFile::save(bool askNothing) {
    if (!settings_.mayWritePrefs())
        return;
    flags_ = writeOptions(flags_, options());
    settings_.prefs().setLine(0, flags_);

    if (alarmPanel_.timeChanged()) {
        // The desktop ending the program waits for no answer; the times the
        // user set are kept, as the default answer would keep them.
        const auto answer =
            askNothing
                ? platform::Questions::Answer::Yes
                : platform_.questions.ask(platform::Questions::Kind::Confirmation,
                                          QStringLiteral("Confirm"),
                                          QStringLiteral("Alarm time changed, save new time?"),
                                          platform::Questions::Button::No);
        if (answer == platform::Questions::Answer::Yes) {
            for (int alarm : {1, 2}) {
                settings_.prefs().setLine(10 + alarm, timeToStr(alarms_[alarm].time));
                settings_.prefs().setLine(12 + alarm, alarms_[alarm].amPm);
            }
        }
    }
    platform::writeUserFile(platform_.files, files_, file::Prefs, settings_.prefs().bytes());
    alarmPanel_.saved();
}

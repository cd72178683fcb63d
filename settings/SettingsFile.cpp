// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFile.h"

#include "core/Convert.h"
#include "core/Guard.h"
#include "core/Log.h"
#include "models/Prefs.h"
#include "platform/WriteUserFile.h"

#include <QDir>

SettingsFile::SettingsFile(SettingsStore& settings, Options& options, Timers& timers,
                           AlarmClock& alarms, AlarmPanel& alarmPanel, platform::Platform platform,
                           const UserFiles& files, QObject* parent)
    : QObject(parent)
    , settings_(settings)
    , options_(options)
    , timers_(timers)
    , alarms_(alarms)
    , alarmPanel_(alarmPanel)
    , platform_(platform)
    , files_(files) {}

void SettingsFile::load() {
    settings_.load(files_.read(file::Prefs), files_.read(file::Presets));
    // Kept as it is, and the user knows that this run's changes go nowhere
    // until the file is mended or moved away.
    if (settings_.prefsFile() == FileState::Unreadable) {
        qCWarning(lcQuorbel, "%s cannot be read; this run's settings will not be saved",
                  qUtf8Printable(files_.read(file::Prefs)));
        emit unreadable(QDir::toNativeSeparators(files_.read(file::Prefs)));
    }
    if (settings_.prefsFile() == FileState::Read)
        apply();
    // Whole minutes on the quick-timer buttons.
    timers_.readPresets();
}

void SettingsFile::apply() {
    const LineList& prefs = settings_.prefs();
    flags_ = prefs.line(0);
    options_.readFrom(flags_);
    if (options_.alarmHalfOpen())
        emit alarmHalfAsked();
    if (options_.startOn()) {
        alarms_.setOn(1, true);
        alarms_.setOn(2, true);
    }

    timers_.readSaved();
    // A damaged alarm time keeps the picker's time and stays in the file as
    // it was, unless the user sets a new one.
    for (int alarm : {1, 2}) {
        guard([&] { alarms_.setTime(alarm, strToTime(prefs.line(10 + alarm))); });
        alarms_.setAmPm(alarm, prefs.line(12 + alarm));
    }
}

void SettingsFile::saveSettings(bool askNothing) {
    if (!settings_.mayWritePrefs())
        return;
    flags_ = options_.written(flags_);
    settings_.prefs().setLine(0, flags_);

    if (alarmPanel_.timeChanged()) {
        // The desktop ending the program waits for no answer; the times the
        // user set are kept, as the default answer would keep them.
        const auto answer =
            askNothing
                ? platform::Questions::Answer::Yes
                : platform_.questions.ask(platform::Questions::Kind::Confirmation, tr("Confirm"),
                                          tr("Alarm time changed, save new time?"),
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

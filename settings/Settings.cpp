// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving "prefs.qbx" and "pprefs.qbx", beside the executable.
#include "Prefs.h"
#include "app/MainWindow.h"
#include "core/Colors.h"
#include "core/Convert.h"
#include "core/UserFiles.h"

#include <QDir>

namespace {

constexpr int kPrefsLines = 15;

// A stored file too short for every slot and alarm gets the missing lines
// from the default file, so that nothing the user sets is dropped at save.
void CompleteWithDefaults(LineList& prefs) {
    LineList defaults;
    defaults.SetText(DefaultPrefsText());
    for (int line = prefs.Count(); line < kPrefsLines; ++line)
        prefs.Append(defaults.Line(line));
}

} // namespace

void MainWindow::PrepareStores() {
    // The defaults, so that a first run keeps the slots the user sets.
    Memo1->Lines.SetText(DefaultPrefsText());
}

void MainWindow::InitializeParameters(const QString& mode) {
    if (mode == QLatin1String("PgmStart"))
        LoadSettings();
    else if (mode == QLatin1String("ParmUpdate"))
        SaveSettings();
}

void MainWindow::LoadSettings() {
    QByteArray bytes;
    prefsFile_ = ReadWholeFile(files_.Read(file::Prefs), bytes);
    if (prefsFile_ == FileState::Read) {
        LineList stored;
        stored.SetBytes(bytes);
        // A file with no line at all (empty, or a byte-order mark alone) is
        // what an interrupted save used to leave: no settings.
        if (stored.Count() == 0) {
            prefsFile_ = FileState::Missing;
        } else {
            Memo1->Lines = stored;
            CompleteWithDefaults(Memo1->Lines);
        }
    }
    if (prefsFile_ == FileState::Unreadable) {
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
    if (ReadWholeFile(files_.Read(file::Presets), bytes) == FileState::Read)
        Memo2->Lines.SetBytes(bytes);
    else
        Memo2->Lines.SetText(DefaultPprefsText());

    if (prefsFile_ == FileState::Read)
        ApplyPrefs();
    // Whole minutes on the quick-timer buttons; a damaged line keeps the
    // design caption.
    for (int n = slot::FirstQuick; n <= slot::LastQuick; ++n) {
        if (const auto caption = QuickCaption(Memo2->Lines, n))
            SlotButton(n)->setText(*caption);
    }
}

void MainWindow::ApplyPrefs() {
    const LineList& prefs = Memo1->Lines;
    State.OptionFlags = prefs.Line(0);
    const StoredOptions options = ReadOptions(State.OptionFlags);
    CheckBox1->setChecked(options.sound);
    CheckBox2->setChecked(options.recur);
    ClickMinimize1->setChecked(options.minimizeOnTimer);
    CheckBox3->setChecked(options.alarm1Recur);
    if (options.snooze)
        SnoozeButtons()[*options.snooze - 1]->setChecked(true);
    if (options.alarmHalfOpen)
        AlarmClock1Click(this);
    CheckBox4->setChecked(options.startOn);
    if (options.startOn) {
        // Their look alone: the toggles do more than switching on.
        ShowAlarmState(SpeedButton14, Panel44, true);
        ShowAlarmState(SpeedButton17, Panel59, true);
    }
    if (options.alarmDelay)
        Alarmdelay1->actions()[*options.alarmDelay - 1]->setChecked(true);
    if (options.trayColour)
        Trayiconcolorchange1->actions()[*options.trayColour]->setChecked(true);

    for (int n = slot::FirstCountdown; n <= slot::LastCountdown; ++n) {
        // A hand-edited line may hold a line separator of its own.
        Memo1->Lines.SetLine(n, SingleLineMessage(prefs.Line(n)));
        SlotEdit(n)->setText(SlotTimeOf(prefs.Line(n)));
        SlotButton(n)->setText(SlotCaptionOf(prefs.Line(n)));
    }
    // A damaged alarm time keeps the picker's time and stays in the file as
    // it was, unless the user sets a new one.
    for (const auto& alarm : {std::pair{11, DateTimePicker2}, {12, DateTimePicker3}})
        Guard([&] { alarm.second->SetTime(StrToTime(prefs.Line(alarm.first))); });
    Panel57->SetCaption(prefs.Line(13));
    Panel56->SetCaption(prefs.Line(14));
}

void MainWindow::SaveSettings() {
    // Never replace a file that could not be read, or was never read, with
    // this run's defaults.
    if (!prefsFile_ || *prefsFile_ == FileState::Unreadable)
        return;

    CurrentOptions options;
    options.sound = CheckBox1->isChecked();
    options.recur = CheckBox2->isChecked();
    options.minimizeOnTimer = ClickMinimize1->isChecked();
    options.alarm1Recur = CheckBox3->isChecked();
    const auto snooze = SnoozeButtons();
    for (int i = 0; i < int(snooze.size()); ++i) {
        if (snooze[i]->isChecked())
            options.snooze = i + 1;
    }
    options.alarmHalfOpen = AlarmClock1->isChecked();
    options.startOn = CheckBox4->isChecked();
    const QList<QAction*> delays = Alarmdelay1->actions();
    for (int i = 0; i < delays.size(); ++i) {
        if (delays[i]->isChecked())
            options.alarmDelay = i + 1;
    }
    const QList<QAction*> trayColours = Trayiconcolorchange1->actions();
    for (int i = 0; i < trayColours.size(); ++i) {
        if (trayColours[i]->isChecked())
            options.trayColour = i;
    }
    State.OptionFlags = WriteOptions(State.OptionFlags, options);
    Memo1->Lines.SetLine(0, State.OptionFlags);

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
            Memo1->Lines.SetLine(11, TimeToStr(DateTimePicker2->time()));
            Memo1->Lines.SetLine(12, TimeToStr(DateTimePicker3->time()));
            Memo1->Lines.SetLine(13, Panel57->Caption());
            Memo1->Lines.SetLine(14, Panel56->Caption());
        }
    }
    WriteUserFile(file::Prefs, Memo1->Lines.Bytes());
    State.AlarmTimeChanged = false;
}

bool MainWindow::AlarmsDifferFromSaved() const {
    const LineList& saved = Memo1->Lines;
    const auto savedTime = [&](int line) -> std::optional<QTime> {
        try {
            return StrToTime(saved.Line(line));
        } catch (const EConvertError&) {
            return std::nullopt;
        }
    };
    return savedTime(11) != DateTimePicker2->time() || savedTime(12) != DateTimePicker3->time() ||
           saved.Line(13) != Panel57->Caption() || saved.Line(14) != Panel56->Caption();
}

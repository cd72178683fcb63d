// SPDX-License-Identifier: GPL-3.0-or-later
// The two alarms' controls and checks. Each rings during the whole minute
// of its time; alarm 1 once or, with "Recur", again and again, alarm 2 once
// and then every snooze period until it is switched off. What the alarms
// are is the AlarmClock's; the controls show it and change it.
#include "core/Colors.h"
#include "core/Convert.h"
#include "core/UserFiles.h"
#include "window/MainWindow.h"

namespace {

// The snooze length of a button such as "15 min", in milliseconds.
int SnoozeOf(const QAbstractButton* button) {
    return StrToInt(DigitsOf(button->text())) * 60000;
}

} // namespace

void MainWindow::ShowAlarm(int alarm) {
    const AlarmClock::Alarm& shown = alarms_[alarm];
    FlatButton* onOff = alarm == 1 ? alarm1OnOff : alarm2OnOff;
    onOff->setText(shown.on ? QStringLiteral("ON") : QStringLiteral("OFF"));
    (alarm == 1 ? alarm1OnOffPanel : alarm2OnOffPanel)
        ->SetColor(shown.on ? clr::TitleStrip : clr::ButtonPanel);
    (alarm == 1 ? alarm1AmPm : alarm2AmPm)->SetCaption(shown.amPm);
    TimePicker* picker = alarm == 1 ? alarm1Picker : alarm2Picker;
    if (picker->time() != shown.time)
        picker->SetTime(shown.time);
}

void MainWindow::Alarm1Check() {
    if (!alarms_[1].on || !alarms_.InItsMinute(1, platform_.clock.TimeOfDay()))
        return;
    platform_.windows.Raise(this);
    if (alarm1RecurBox->isChecked()) {
        if (!alarms_.TwoDigitHour(1)) {
            PlayAlertSound(file::RepeatSound);
        } else {
            alertTimer->SetInterval(1000);
            alarms_.SetAlarm1Alerting(true);
        }
    } else {
        PlayAlertSound(file::EndSound);
        ToggleAlarm1(alarm1OnOff);
    }
    // A recurring alarm matches every tick of its minute; the desktop is
    // told once, and the same notification renewed.
    NotifyAlarm(1);
}

void MainWindow::Alarm2Check() {
    if (!alarms_[2].on || alarms_.Alarm2Snoozing() ||
        !alarms_.InItsMinute(2, platform_.clock.TimeOfDay()))
        return;
    platform_.windows.Raise(this);
    PlayAlertSound(file::EndSound);
    NotifyAlarm(2);
    for (RadioButton* radio : SnoozeButtons()) {
        if (radio->isChecked())
            snoozeTimer->SetInterval(SnoozeOf(radio));
    }
    alarms_.SetAlarm2Snoozing(true);
}

void MainWindow::RepeatSnoozeSound(QObject*) {
    PlayAlertSound(file::EndSound);
}

void MainWindow::ChooseSnooze(QObject* Sender) {
    if (!alarms_.Alarm2Snoozing())
        return;
    auto* clicked = static_cast<RadioButton*>(Sender);
    for (RadioButton* radio : SnoozeButtons()) {
        if (clicked->text() == radio->text())
            snoozeTimer->SetInterval(SnoozeOf(radio));
    }
}

void MainWindow::ToggleAlarm1(QObject*) {
    if (!alarms_[1].on) {
        alarms_.SetOn(1, true);
    } else {
        alarms_.SetOn(1, false);
        alertTimer->SetInterval(0);
        WithdrawAlarmNotification(1);
    }
}

void MainWindow::ToggleAlarm2(QObject*) {
    if (!alarms_[2].on)
        alarms_.SetOn(2, true);
    else
        SwitchAlarm2Off();
}

void MainWindow::SwitchAlarm2Off() {
    alarms_.SetOn(2, false);
    snoozeTimer->SetInterval(0);
    WithdrawAlarmNotification(2);
}

bool MainWindow::Alarm1Ringing() const {
    return alarms_[1].on && (alarms_.InItsMinute(1, platform_.clock.TimeOfDay()) ||
                             (alarms_.Alarm1Alerting() && alertTimer->Interval() != 0));
}

bool MainWindow::Alarm2Snoozing() const {
    return alarms_[2].on && snoozeTimer->Interval() != 0;
}

// An alarm counts as changed only when it differs from the settings: Enter
// in a picker reports a change of nothing, and a second click takes the
// first one's AM/PM back.
void MainWindow::ToggleAlarm1AmPm(QObject*) {
    alarms_.ToggleAmPm(1);
    State.AlarmTimeChanged = AlarmsDifferFromSaved();
}

void MainWindow::ToggleAlarm2AmPm(QObject*) {
    alarms_.ToggleAmPm(2);
    State.AlarmTimeChanged = AlarmsDifferFromSaved();
}

void MainWindow::AlarmTimeEdited(QObject* Sender) {
    const int alarm = Sender == alarm1Picker ? 1 : 2;
    alarms_.SetTime(alarm, static_cast<TimePicker*>(Sender)->time());
    State.AlarmTimeChanged = AlarmsDifferFromSaved();
}

void MainWindow::CopyAlarm1To2(QObject*) {
    alarms_.CopyFromOther(2);
}

void MainWindow::CopyAlarm2To1(QObject*) {
    alarms_.CopyFromOther(1);
}

void MainWindow::TestAlarm(QObject*) {
    PlayAlertSound(file::EndSound);
}

void MainWindow::SilenceAlarms(int key) {
    // Only a ringing alarm 1: one set for later stays armed, whatever else
    // the press acknowledges.
    if (key == Qt::Key_Return && Alarm1Ringing()) {
        ToggleAlarm1(alarm1OnOff);
    } else {
        State.EnterHandled = false;
    }
    // Enter silences alarm 2 only while it snoozes, and not with the same
    // press that switched alarm 1 off while the alert was sounding.
    if (Alarm2Snoozing() && !State.EnterHandled && key == Qt::Key_Return)
        SwitchAlarm2Off();
    else
        State.EnterHandled = false;
}

void MainWindow::PlayAlertSound(const QString& name) {
    // Where the user puts them, or else the installed ones.
    platform_.sound.Play(files_.Read(name));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The two alarms. Each rings during the whole minute of its time; alarm 1
// once or, with "Recur", again and again, alarm 2 once and then every
// snooze period until it is switched off.
#include "app/MainWindow.h"
#include "core/Colors.h"
#include "core/Convert.h"
#include "core/UserFiles.h"

namespace {

const QString kOn = QStringLiteral("ON");
const QString kOff = QStringLiteral("OFF");

void SwitchOn(FlatButton* button, BevelPanel* panel) {
    MainWindow::ShowAlarmState(button, panel, true);
}

void SwitchOff(FlatButton* button, BevelPanel* panel) {
    MainWindow::ShowAlarmState(button, panel, false);
}

// "AM" becomes "PM"; anything else, "AM".
void ToggleAmPm(BevelPanel* panel) {
    panel->SetCaption(panel->Caption() == QLatin1String("AM") ? QStringLiteral("PM")
                                                              : QStringLiteral("AM"));
}

// The snooze length of a button such as "15 min", in milliseconds.
int SnoozeOf(const QAbstractButton* button) {
    return StrToInt(DigitsOf(button->text())) * 60000;
}

} // namespace

void MainWindow::ShowAlarmState(FlatButton* button, BevelPanel* panel, bool on) {
    button->setText(on ? kOn : kOff);
    panel->SetColor(on ? clr::TitleStrip : clr::ButtonPanel);
}

bool MainWindow::MinuteMatch(const TimePicker* picker, const BevelPanel* amPm) const {
    // The time text puts a two-digit hour one character further on.
    const QString alarm = TimeToStr(picker->time());
    const bool twoDigitHour = alarm.mid(2, 1) == QLatin1String(":");
    const int n = twoDigitHour ? 5 : 4;
    const int designator = twoDigitHour ? 10 : 9;
    if (alarm.left(n) != TimeToStr(platform_.clock.TimeOfDay()).left(n))
        return false;
    return TimeToStr(platform_.clock.TimeOfDay()).mid(designator - 1, 1) == amPm->Caption().left(1);
}

void MainWindow::Alarm1Check() {
    if (SpeedButton14->text() != kOn || !MinuteMatch(DateTimePicker2, Panel57))
        return;
    platform_.windows.Raise(this);
    if (CheckBox3->isChecked()) {
        if (TimeToStr(DateTimePicker2->time()).mid(2, 1) != QLatin1String(":"))
            PlayAlertSound(file::RepeatSound);
        else {
            Timer2->SetInterval(1000);
            State.Alarm1Alerting = true;
        }
    } else {
        PlayAlertSound(file::EndSound);
        SpeedButton14Click(SpeedButton14);
    }
    // A recurring alarm matches every tick of its minute; the desktop is
    // told once, and the same notification renewed.
    NotifyAlarm(1);
}

void MainWindow::Alarm2Check() {
    if (SpeedButton17->text() != kOn || State.Alarm2Triggered != 0 ||
        !MinuteMatch(DateTimePicker3, Panel56))
        return;
    platform_.windows.Raise(this);
    PlayAlertSound(file::EndSound);
    NotifyAlarm(2);
    for (RadioButton* radio : SnoozeButtons()) {
        if (radio->isChecked())
            Timer3->SetInterval(SnoozeOf(radio));
    }
    State.Alarm2Triggered = 1;
}

void MainWindow::Timer3Timer(QObject*) {
    PlayAlertSound(file::EndSound);
}

void MainWindow::RadioButton1Click(QObject* Sender) {
    if (State.Alarm2Triggered != 1)
        return;
    auto* clicked = static_cast<RadioButton*>(Sender);
    for (RadioButton* radio : SnoozeButtons()) {
        if (clicked->text() == radio->text())
            Timer3->SetInterval(SnoozeOf(radio));
    }
}

void MainWindow::SpeedButton14Click(QObject*) {
    if (SpeedButton14->text() == kOff) {
        SwitchOn(SpeedButton14, Panel44);
    } else {
        SwitchOff(SpeedButton14, Panel44);
        Timer2->SetInterval(0);
        State.Alarm1Alerting = false;
        WithdrawAlarmNotification(1);
    }
}

void MainWindow::SpeedButton17Click(QObject*) {
    if (SpeedButton17->text() == kOff)
        SwitchOn(SpeedButton17, Panel59);
    else
        SwitchAlarm2Off();
}

void MainWindow::SwitchAlarm2Off() {
    SwitchOff(SpeedButton17, Panel59);
    Timer3->SetInterval(0);
    State.Alarm2Triggered = 0;
    WithdrawAlarmNotification(2);
}

bool MainWindow::Alarm1Ringing() const {
    return SpeedButton14->text() == kOn && (MinuteMatch(DateTimePicker2, Panel57) ||
                                            (State.Alarm1Alerting && Timer2->Interval() != 0));
}

bool MainWindow::Alarm2Snoozing() const {
    return SpeedButton17->text() == kOn && Timer3->Interval() != 0;
}

// An alarm counts as changed only when it differs from the settings: Enter
// in a picker reports a change of nothing, and a second click takes the
// first one's AM/PM back.
void MainWindow::Panel57Click(QObject*) {
    ToggleAmPm(Panel57);
    State.AlarmTimeChanged = AlarmsDifferFromSaved();
}

void MainWindow::Panel56Click(QObject*) {
    ToggleAmPm(Panel56);
    State.AlarmTimeChanged = AlarmsDifferFromSaved();
}

void MainWindow::DateTimePicker2Change(QObject*) {
    State.AlarmTimeChanged = AlarmsDifferFromSaved();
}

void MainWindow::SpeedButton16Click(QObject*) {
    DateTimePicker3->SetTime(DateTimePicker2->time());
    Panel56->SetCaption(Panel57->Caption());
}

void MainWindow::SpeedButton22Click(QObject*) {
    DateTimePicker2->SetTime(DateTimePicker3->time());
    Panel57->SetCaption(Panel56->Caption());
}

void MainWindow::SpeedButton19Click(QObject*) {
    PlayAlertSound(file::EndSound);
}

void MainWindow::SilenceAlarms(int Key) {
    // Only a ringing alarm 1: one set for later stays armed, whatever else
    // the press acknowledges.
    if (Key == VK_RETURN && Alarm1Ringing()) {
        SpeedButton14Click(SpeedButton14);
    } else {
        State.EnterHandled = false;
    }
    // Enter silences alarm 2 only while it snoozes, and not with the same
    // press that switched alarm 1 off while the alert was sounding.
    if (Alarm2Snoozing() && !State.EnterHandled && Key == VK_RETURN)
        SwitchAlarm2Off();
    else
        State.EnterHandled = false;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmPanel.h"

#include "core/Colors.h"
#include "core/Convert.h"
#include "core/Guard.h"
#include "core/LocalMinute.h"

#include <QToolTip>

namespace {

const QString kAwakeOnly = QStringLiteral("Rings only while the computer is awake");

// The snooze length of a button such as "15 min", in milliseconds.
int SnoozeOf(const QAbstractButton* button) {
    return StrToInt(DigitsOf(button->text())) * 60000;
}

} // namespace

template <typename Signal, typename Sender, typename Handler>
void AlarmPanel::On(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, [this, handler] { enter_(handler); });
}

AlarmPanel::AlarmPanel(AlarmClock& alarms, const SettingsStore& settings, AlertFlasher& flasher,
                       platform::Clock& clock, Controls controls, HandlerEntry enter,
                       QObject* parent)
    : QObject(parent)
    , alarms_(alarms)
    , settings_(settings)
    , flasher_(flasher)
    , clock_(clock)
    , controls_(controls)
    , enter_(std::move(enter)) {
    On(controls_.onOff[0], &FlatButton::clicked, [this] {
        // The user's own click ends a snooze asked for on the desktop.
        snooze1Until_ = 0;
        emit SwitchClicked(1);
        ToggleAlarm1();
    });
    On(controls_.onOff[1], &FlatButton::clicked, [this] {
        emit SwitchClicked(2);
        ToggleAlarm2();
    });
    for (int alarm : {1, 2}) {
        // An alarm counts as changed only when it differs from the settings:
        // Enter in a picker reports a change of nothing, and a second click
        // takes the first one's AM/PM back.
        On(controls_.amPm[alarm - 1], &BevelPanel::Click, [this, alarm] {
            alarms_.ToggleAmPm(alarm);
            timeChanged_ = DifferFromSaved();
        });
        On(controls_.picker[alarm - 1], &TimePicker::Change, [this, alarm] { TimeEdited(alarm); });
    }
    On(controls_.copy1To2, &FlatButton::clicked, [this] { alarms_.CopyFromOther(2); });
    On(controls_.copy2To1, &FlatButton::clicked, [this] { alarms_.CopyFromOther(1); });
    On(controls_.test, &FlatButton::clicked, [this] { flasher_.Play(file::EndSound); });
    for (RadioButton* radio : controls_.snooze)
        On(radio, &RadioButton::clicked, [this, radio] { ChooseSnooze(radio); });
    On(controls_.snoozeBeat, &IntervalTimer::Timer, [this] {
        emit SnoozeSounds();
        flasher_.PlayAlert(file::EndSound);
    });
    connect(&alarms_, &AlarmClock::Changed, this,
            [this](int alarm) { Guard([this, alarm] { Show(alarm); }); });
}

void AlarmPanel::Show(int alarm) {
    const AlarmClock::Alarm& shown = alarms_[alarm];
    const std::size_t i = std::size_t(alarm - 1);
    controls_.onOff[i]->setText(shown.on ? QStringLiteral("ON") : QStringLiteral("OFF"));
    controls_.onOffPanel[i]->SetColor(shown.on ? clr::TitleStrip : clr::ButtonPanel);
    controls_.amPm[i]->SetCaption(shown.amPm);
    if (controls_.picker[i]->time() != shown.time)
        controls_.picker[i]->SetTime(shown.time);
}

void AlarmPanel::Check() {
    Alarm1Check();
    Alarm2Check();
    CatchUp();
}

void AlarmPanel::CatchUp() {
    // The wall clock jumped forward over an alarm's minute (a resume, the
    // clock set, the spring change): it rings once, within ten minutes.
    const qint64 wall = clock_.WallMs();
    const qint64 last = std::exchange(lastWallMs_, wall);
    if (last == 0 || wall - last <= 60000)
        return;
    const QDateTime since = QDateTime::fromMSecsSinceEpoch(last);
    for (int alarm : {1, 2}) {
        if (!alarms_[alarm].on || alarms_.InItsMinute(alarm, clock_.TimeOfDay()))
            continue;
        if (alarm == 2 && alarms_.Alarm2Snoozing())
            continue;
        const std::optional<QDateTime> due = alarms_.NextDue(alarm, since);
        if (due && due->toMSecsSinceEpoch() <= wall &&
            wall - due->toMSecsSinceEpoch() < 10 * 60 * 1000)
            RingNow(alarm);
    }
}

void AlarmPanel::Alarm1Check() {
    if (snooze1Until_ && clock_.WallMs() < snooze1Until_)
        return;
    if (InItsMinuteOnce(1))
        RingNow(1);
}

void AlarmPanel::Alarm2Check() {
    if (InItsMinuteOnce(2) && !alarms_.Alarm2Snoozing())
        RingNow(2);
}

bool AlarmPanel::InItsMinuteOnce(int alarm) {
    // Every tick of its minute rings a recurring alarm; the same minute
    // come round again, once the clock has left it, does not.
    Pass& pass = passes_[std::size_t(alarm - 1)];
    if (!alarms_.InItsMinute(alarm, clock_.TimeOfDay())) {
        pass.left = pass.minute != 0;
        return false;
    }
    if (!alarms_[alarm].on)
        return false;
    const qint64 minute = LocalMinute(clock_.WallMs());
    if (minute == pass.minute && pass.left)
        return false;
    pass = {minute, false};
    return true;
}

void AlarmPanel::RingNow(int alarm) {
    if (alarm == 2) {
        Ring2();
        return;
    }
    SoundAlarm1();
    if (!controls_.recur1->isChecked())
        ToggleAlarm1();
    // A recurring alarm matches every tick of its minute; the desktop is
    // told once, and the same notification renewed.
    emit Rang(1);
}

void AlarmPanel::SoundAlarm1() {
    emit Rings(1);
    if (!controls_.recur1->isChecked()) {
        flasher_.PlayAlert(file::EndSound);
    } else if (!alarms_.TwoDigitHour(1)) {
        flasher_.PlayAlert(file::RepeatSound);
    } else {
        flasher_.StartForAlarm();
        alarms_.SetAlarm1Alerting(true);
    }
}

void AlarmPanel::SnoozeAlarm1(int ms) {
    if (alarms_.Alarm1Alerting()) {
        alarms_.SetAlarm1Alerting(false);
        flasher_.StopIfNoneRings();
    }
    // Its own minute stays silent meanwhile.
    snooze1Until_ = clock_.WallMs() + ms;
    clock_.After(ms, this, [this, until = snooze1Until_] {
        enter_([this, until] {
            if (snooze1Until_ != until)
                return;
            snooze1Until_ = 0;
            SoundAlarm1();
            emit Rang(1);
        });
    });
}

void AlarmPanel::Ring2() {
    emit Rings(2);
    flasher_.PlayAlert(file::EndSound);
    emit Rang(2);
    ResumeSnooze(false);
}

void AlarmPanel::ResumeSnooze(bool soundDue, qint64 firstInMs) {
    if (soundDue) {
        flasher_.PlayAlert(file::EndSound);
        emit Rang(2);
    }
    const int period = SnoozeMs();
    if (firstInMs > 0)
        controls_.snoozeBeat->StartAfter(int(qMin<qint64>(firstInMs, period)), period);
    else if (period > 0)
        controls_.snoozeBeat->SetInterval(period);
    alarms_.SetAlarm2Snoozing(true);
}

void AlarmPanel::NoteWake(bool wakes) {
    wakes_ = wakes;
    const QString note = wakes ? QString() : kAwakeOnly;
    for (FlatButton* onOff : controls_.onOff) {
        onOff->setToolTip(note);
        onOff->setAccessibleDescription(note);
    }
    // The answer comes a moment after the switch that asked for it.
    if (!wakes && switchedOn_)
        TellAwakeOnly(switchedOn_);
}

void AlarmPanel::TellAwakeOnly(int alarm) {
    // Said once, where it was switched on; the switches' tips keep it.
    if (toldAwakeOnly_)
        return;
    toldAwakeOnly_ = true;
    FlatButton* onOff = controls_.onOff[std::size_t(alarm - 1)];
    QToolTip::showText(onOff->mapToGlobal(QPoint(0, onOff->height())), kAwakeOnly, onOff);
}

int AlarmPanel::SnoozeMs() const {
    for (RadioButton* radio : controls_.snooze) {
        if (radio->isChecked())
            return SnoozeOf(radio);
    }
    return 0;
}

void AlarmPanel::ChooseSnooze(RadioButton* clicked) {
    if (!alarms_.Alarm2Snoozing())
        return;
    for (RadioButton* radio : controls_.snooze) {
        if (clicked->text() == radio->text())
            controls_.snoozeBeat->SetInterval(SnoozeOf(radio));
    }
}

void AlarmPanel::SwitchOn(int alarm) {
    alarms_.SetOn(alarm, true);
    switchedOn_ = alarm;
    if (!wakes_)
        TellAwakeOnly(alarm);
}

void AlarmPanel::ToggleAlarm1() {
    if (!alarms_[1].on) {
        SwitchOn(1);
        return;
    }
    alarms_.SetOn(1, false);
    flasher_.Stop();
    emit SwitchedOff(1);
}

void AlarmPanel::ToggleAlarm2() {
    if (!alarms_[2].on)
        SwitchOn(2);
    else
        SwitchAlarm2Off();
}

void AlarmPanel::SwitchAlarm2Off() {
    alarms_.SetOn(2, false);
    controls_.snoozeBeat->SetInterval(0);
    emit SwitchedOff(2);
}

bool AlarmPanel::Alarm1Ringing() const {
    return alarms_[1].on && (alarms_.InItsMinute(1, clock_.TimeOfDay()) ||
                             (alarms_.Alarm1Alerting() && flasher_.Beating()));
}

bool AlarmPanel::Alarm2Snoozing() const {
    return alarms_[2].on && controls_.snoozeBeat->Interval() != 0;
}

void AlarmPanel::TimeEdited(int alarm) {
    alarms_.SetTime(alarm, controls_.picker[std::size_t(alarm - 1)]->time());
    timeChanged_ = DifferFromSaved();
}

bool AlarmPanel::DifferFromSaved() const {
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

void AlarmPanel::SilenceAlarms(int key) {
    // Only a ringing alarm 1: one set for later stays armed, whatever else
    // the press acknowledges.
    if (key == Qt::Key_Return && Alarm1Ringing())
        ToggleAlarm1();
    else
        enterHandled_ = false;
    // Enter silences alarm 2 only while it snoozes, and not with the same
    // press that switched alarm 1 off while the alert was sounding.
    if (Alarm2Snoozing() && !enterHandled_ && key == Qt::Key_Return)
        SwitchAlarm2Off();
    else
        enterHandled_ = false;
}

int AlarmPanel::SnoozeChoice() const {
    int choice = 0;
    for (std::size_t i = 0; i < controls_.snooze.size(); ++i) {
        if (controls_.snooze[i]->isChecked())
            choice = int(i) + 1;
    }
    return choice;
}

void AlarmPanel::SetSnoozeChoice(int choice) {
    controls_.snooze.at(std::size_t(choice - 1))->setChecked(true);
}

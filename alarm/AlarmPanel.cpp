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
int snoozeOf(const QAbstractButton* button) {
    return strToInt(digitsOf(button->text())) * 60000;
}

} // namespace

template <typename Signal, typename Sender, typename Handler>
void AlarmPanel::on(Sender* sender, Signal signal, Handler handler) {
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
    on(controls_.onOff[0], &FlatButton::clicked, [this] {
        // The user's own click ends a snooze asked for on the desktop.
        snooze1Until_ = 0;
        emit switchClicked(1);
        toggleAlarm1();
    });
    on(controls_.onOff[1], &FlatButton::clicked, [this] {
        emit switchClicked(2);
        toggleAlarm2();
    });
    for (int alarm : {1, 2}) {
        // An alarm counts as changed only when it differs from the settings:
        // Enter in a picker reports a change of nothing, and a second click
        // takes the first one's AM/PM back.
        on(controls_.amPm[alarm - 1], &BevelPanel::clicked, [this, alarm] {
            alarms_.toggleAmPm(alarm);
            timeChanged_ = differFromSaved();
        });
        on(controls_.picker[alarm - 1], &TimePicker::edited, [this, alarm] { timeEdited(alarm); });
    }
    on(controls_.copy1To2, &FlatButton::clicked, [this] { alarms_.copyFromOther(2); });
    on(controls_.copy2To1, &FlatButton::clicked, [this] { alarms_.copyFromOther(1); });
    on(controls_.test, &FlatButton::clicked, [this] { flasher_.play(file::EndSound); });
    for (RadioButton* radio : controls_.snooze)
        on(radio, &RadioButton::clicked, [this, radio] { chooseSnooze(radio); });
    on(controls_.snoozeBeat, &IntervalTimer::timeout, [this] {
        emit snoozeSounds();
        flasher_.playAlert(file::EndSound);
    });
    connect(&alarms_, &AlarmClock::changed, this,
            [this](int alarm) { guard([this, alarm] { show(alarm); }); });
}

void AlarmPanel::show(int alarm) {
    const AlarmClock::Alarm& shown = alarms_[alarm];
    const std::size_t i = std::size_t(alarm - 1);
    controls_.onOff[i]->setText(shown.on ? QStringLiteral("ON") : QStringLiteral("OFF"));
    controls_.onOffPanel[i]->setColor(shown.on ? clr::TitleStrip : clr::ButtonPanel);
    controls_.amPm[i]->setCaption(shown.amPm);
    if (controls_.picker[i]->time() != shown.time)
        controls_.picker[i]->showTime(shown.time);
}

void AlarmPanel::check() {
    alarm1Check();
    alarm2Check();
    catchUp();
}

void AlarmPanel::catchUp() {
    // The wall clock jumped forward over an alarm's minute (a resume, the
    // clock set, the spring change): it rings once, within ten minutes.
    const qint64 wall = clock_.wallMs();
    const qint64 last = std::exchange(lastWallMs_, wall);
    if (last == 0 || wall - last <= 60000)
        return;
    const QDateTime since = QDateTime::fromMSecsSinceEpoch(last);
    for (int alarm : {1, 2}) {
        if (!alarms_[alarm].on || alarms_.inItsMinute(alarm, clock_.timeOfDay()))
            continue;
        if (alarm == 2 && alarms_.alarm2Snoozing())
            continue;
        const std::optional<QDateTime> due = alarms_.nextDue(alarm, since);
        if (due && due->toMSecsSinceEpoch() <= wall &&
            wall - due->toMSecsSinceEpoch() < 10 * 60 * 1000)
            ringNow(alarm);
    }
}

void AlarmPanel::alarm1Check() {
    if (snooze1Until_ && clock_.wallMs() < snooze1Until_)
        return;
    if (inItsMinuteOnce(1))
        ringNow(1);
}

void AlarmPanel::alarm2Check() {
    if (inItsMinuteOnce(2) && !alarms_.alarm2Snoozing())
        ringNow(2);
}

bool AlarmPanel::inItsMinuteOnce(int alarm) {
    // Every tick of its minute rings a recurring alarm; the same minute
    // come round again, once the clock has left it, does not.
    Pass& pass = passes_[std::size_t(alarm - 1)];
    if (!alarms_.inItsMinute(alarm, clock_.timeOfDay())) {
        pass.left = pass.minute != 0;
        return false;
    }
    if (!alarms_[alarm].on)
        return false;
    const qint64 minute = localMinute(clock_.wallMs());
    if (minute == pass.minute && pass.left)
        return false;
    pass = {minute, false};
    return true;
}

void AlarmPanel::ringNow(int alarm) {
    if (alarm == 2) {
        ring2();
        return;
    }
    soundAlarm1();
    if (!controls_.recur1->isChecked())
        toggleAlarm1();
    // A recurring alarm matches every tick of its minute; the desktop is
    // told once, and the same notification renewed.
    emit rang(1);
}

void AlarmPanel::soundAlarm1() {
    emit rings(1);
    if (!controls_.recur1->isChecked()) {
        flasher_.playAlert(file::EndSound);
    } else if (!alarms_.twoDigitHour(1)) {
        flasher_.playAlert(file::RepeatSound);
    } else {
        flasher_.startForAlarm();
        alarms_.setAlarm1Alerting(true);
    }
}

void AlarmPanel::snoozeAlarm1(int ms) {
    if (alarms_.alarm1Alerting()) {
        alarms_.setAlarm1Alerting(false);
        flasher_.stopIfNoneRings();
    }
    // Its own minute stays silent meanwhile.
    snooze1Until_ = clock_.wallMs() + ms;
    clock_.after(ms, this, [this, until = snooze1Until_] {
        enter_([this, until] {
            if (snooze1Until_ != until)
                return;
            snooze1Until_ = 0;
            soundAlarm1();
            emit rang(1);
        });
    });
}

void AlarmPanel::ring2() {
    emit rings(2);
    flasher_.playAlert(file::EndSound);
    emit rang(2);
    resumeSnooze(false);
}

void AlarmPanel::resumeSnooze(bool soundDue, qint64 firstInMs) {
    if (soundDue) {
        flasher_.playAlert(file::EndSound);
        emit rang(2);
    }
    const int period = snoozeMs();
    if (firstInMs > 0)
        controls_.snoozeBeat->startAfter(int(qMin<qint64>(firstInMs, period)), period);
    else if (period > 0)
        controls_.snoozeBeat->setInterval(period);
    alarms_.setAlarm2Snoozing(true);
}

void AlarmPanel::noteWake(bool wakes) {
    wakes_ = wakes;
    const QString note = wakes ? QString() : kAwakeOnly;
    for (FlatButton* onOff : controls_.onOff) {
        onOff->setToolTip(note);
        onOff->setAccessibleDescription(note);
    }
    // The answer comes a moment after the switch that asked for it.
    if (!wakes && switchedOn_)
        tellAwakeOnly(switchedOn_);
}

void AlarmPanel::tellAwakeOnly(int alarm) {
    // Said once, where it was switched on; the switches' tips keep it.
    if (toldAwakeOnly_)
        return;
    toldAwakeOnly_ = true;
    FlatButton* onOff = controls_.onOff[std::size_t(alarm - 1)];
    QToolTip::showText(onOff->mapToGlobal(QPoint(0, onOff->height())), kAwakeOnly, onOff);
}

int AlarmPanel::snoozeMs() const {
    for (RadioButton* radio : controls_.snooze) {
        if (radio->isChecked())
            return snoozeOf(radio);
    }
    return 0;
}

void AlarmPanel::chooseSnooze(RadioButton* clicked) {
    if (!alarms_.alarm2Snoozing())
        return;
    for (RadioButton* radio : controls_.snooze) {
        if (clicked->text() == radio->text())
            controls_.snoozeBeat->setInterval(snoozeOf(radio));
    }
}

void AlarmPanel::switchOn(int alarm) {
    alarms_.setOn(alarm, true);
    switchedOn_ = alarm;
    if (!wakes_)
        tellAwakeOnly(alarm);
}

void AlarmPanel::toggleAlarm1() {
    if (!alarms_[1].on) {
        switchOn(1);
        return;
    }
    alarms_.setOn(1, false);
    flasher_.stop();
    emit switchedOff(1);
}

void AlarmPanel::toggleAlarm2() {
    if (!alarms_[2].on)
        switchOn(2);
    else
        switchAlarm2Off();
}

void AlarmPanel::switchAlarm2Off() {
    alarms_.setOn(2, false);
    controls_.snoozeBeat->setInterval(0);
    emit switchedOff(2);
}

bool AlarmPanel::alarm1Ringing() const {
    return alarms_[1].on && (alarms_.inItsMinute(1, clock_.timeOfDay()) ||
                             (alarms_.alarm1Alerting() && flasher_.beating()));
}

bool AlarmPanel::alarm2Snoozing() const {
    return alarms_[2].on && controls_.snoozeBeat->interval() != 0;
}

void AlarmPanel::timeEdited(int alarm) {
    alarms_.setTime(alarm, controls_.picker[std::size_t(alarm - 1)]->time());
    timeChanged_ = differFromSaved();
}

bool AlarmPanel::differFromSaved() const {
    const LineList& saved = settings_.prefs();
    const auto savedTime = [&](int line) -> std::optional<QTime> {
        try {
            return strToTime(saved.line(line));
        } catch (const EConvertError&) {
            return std::nullopt;
        }
    };
    return savedTime(11) != alarms_[1].time || savedTime(12) != alarms_[2].time ||
           saved.line(13) != alarms_[1].amPm || saved.line(14) != alarms_[2].amPm;
}

void AlarmPanel::silenceAlarms(int key) {
    // Only a ringing alarm 1: one set for later stays armed, whatever else
    // the press acknowledges.
    if (key == Qt::Key_Return && alarm1Ringing())
        toggleAlarm1();
    else
        enterHandled_ = false;
    // Enter silences alarm 2 only while it snoozes, and not with the same
    // press that switched alarm 1 off while the alert was sounding.
    if (alarm2Snoozing() && !enterHandled_ && key == Qt::Key_Return)
        switchAlarm2Off();
    else
        enterHandled_ = false;
}

int AlarmPanel::snoozeChoice() const {
    int choice = 0;
    for (std::size_t i = 0; i < controls_.snooze.size(); ++i) {
        if (controls_.snooze[i]->isChecked())
            choice = int(i) + 1;
    }
    return choice;
}

void AlarmPanel::setSnoozeChoice(int choice) {
    controls_.snooze.at(std::size_t(choice - 1))->setChecked(true);
}

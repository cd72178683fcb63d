// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmPanel.h"

#include "core/Colors.h"
#include "core/Convert.h"
#include "core/Guard.h"

#include <QToolTip>

template <typename Signal, typename Sender, typename Handler>
void AlarmPanel::on(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, [this, handler] { enter_(handler); });
}

AlarmPanel::AlarmPanel(AlarmClock& alarms, const Options& options, const AlertOptions& alertOptions,
                       SettingsStore& settings, AlertFlasher& flasher, platform::Clock& clock,
                       Controls controls, HandlerEntry enter, QObject* parent)
    : QObject(parent)
    , alarms_(alarms)
    , options_(options)
    , alertOptions_(alertOptions)
    , settings_(settings)
    , flasher_(flasher)
    , clock_(clock)
    , controls_(controls)
    , enter_(std::move(enter)) {
    on(controls_.onOff[0], &FlatButton::clicked, [this] {
        // The user's own click ends a snooze asked for on the desktop, and
        // a sound of its own.
        alarms_.snoozeAlarm1Until(0);
        ring1OwnSound_ = false;
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
    connect(&options_, &Options::changed, this,
            [this] { guard([this] { followSnoozeLength(); }); });
    on(&snoozeBeat_, &IntervalTimer::timeout, [this] { soundSnooze(); });
    connect(&alarms_, &AlarmClock::changed, this,
            [this](int alarm) { guard([this, alarm] { showAlarm(alarm); }); });
}

void AlarmPanel::showAlarm(int alarm) {
    const AlarmClock::Alarm& shown = alarms_[alarm];
    const std::size_t i = std::size_t(alarm - 1);
    //: An alarm's switch when on, a button of 54 by 53 px
    const QString on = tr("ON");
    //: An alarm's switch when off, a button of 54 by 53 px
    const QString off = tr("OFF");
    controls_.onOff[i]->setText(shown.on ? on : off);
    controls_.onOffPanel[i]->setColor(shown.on ? clr::TitleStrip : clr::ButtonPanel);
    controls_.amPm[i]->setCaption(shown.amPm);
    if (controls_.picker[i]->time() != shown.time)
        controls_.picker[i]->showTime(shown.time);
}

void AlarmPanel::check() {
    for (int alarm : alarms_.ringingAt(clock_.timeOfDay(), clock_.wallMs()))
        ringNow(alarm);
    endRing1IfOver();
}

void AlarmPanel::ringNow(int alarm) {
    if (alarm == 2) {
        ring2();
        return;
    }
    soundAlarm1();
    if (!options_.alarm1Recur())
        toggleAlarm1();
    noteRing1();
    // A recurring alarm matches every tick of its minute; the desktop is
    // told once, and the same notification renewed.
    emit rang(1);
}

void AlarmPanel::noteRing1() {
    const QTime now = clock_.timeOfDay();
    const int left = alarms_.inItsMinute(1, now) ? 60000 - now.second() * 1000 - now.msec() : 60000;
    ring1EndsAt_ = clock_.sinceBoot() + left;
    ring1OwnSound_ = alertOptions_.of(AlertOptions::alarmKey(1)).ownSound();
}

void AlarmPanel::endRing1IfOver() {
    if (ring1EndsAt_ == 0 || clock_.sinceBoot() < ring1EndsAt_ || ring1OwnSound_ ||
        (alarms_.alarm1Alerting() && flasher_.beating()))
        return;
    ring1EndsAt_ = 0;
    emit ringEnded(1);
}

void AlarmPanel::soundAlarm1() {
    emit rings(1);
    if (!options_.alarm1Recur()) {
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
    // Its own minute stays silent meanwhile, and its notification goes.
    ring1EndsAt_ = 0;
    const qint64 until = clock_.wallMs() + ms;
    alarms_.snoozeAlarm1Until(until);
    clock_.after(ms, this, [this, until] {
        enter_([this, until] {
            if (alarms_.alarm1SnoozedUntil() != until)
                return;
            alarms_.snoozeAlarm1Until(0);
            soundAlarm1();
            noteRing1();
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
    const int period = options_.snoozeMs();
    const int first = firstInMs > 0 ? int(qMin<qint64>(firstInMs, period)) : period;
    if (firstInMs > 0)
        snoozeBeat_.startAfter(first, period);
    else if (period > 0)
        snoozeBeat_.setInterval(period);
    alarms_.setAlarm2Snoozing(true, clock_.wallMs() + first);
}

void AlarmPanel::noteWake(bool wakes) {
    wakes_ = wakes;
    const QString note = wakes ? QString() : awakeOnly();
    for (FlatButton* onOff : controls_.onOff) {
        onOff->setToolTip(note);
        onOff->setAccessibleDescription(note);
    }
    // The answer comes a moment after the switch that asked for it.
    if (!wakes && switchedOn_)
        tellAwakeOnly(switchedOn_);
}

QString AlarmPanel::awakeOnly() {
    //: Tip of the alarms' ON/OFF buttons where the system cannot wake the computer for them
    return tr("Rings only while the computer is awake");
}

void AlarmPanel::tellAwakeOnly(int alarm) {
    // Said once, where it was switched on; the switches' tips keep it.
    if (toldAwakeOnly_)
        return;
    toldAwakeOnly_ = true;
    FlatButton* onOff = controls_.onOff[std::size_t(alarm - 1)];
    QToolTip::showText(onOff->mapToGlobal(QPoint(0, onOff->height())), awakeOnly(), onOff);
}

void AlarmPanel::soundSnooze() {
    alarms_.setAlarm2Snoozing(true, clock_.wallMs() + snoozeBeat_.interval());
    emit snoozeSounds();
    flasher_.playAlert(file::EndSound);
}

void AlarmPanel::followSnoozeLength() {
    if (!alarms_.alarm2Snoozing() || snoozeBeat_.interval() == options_.snoozeMs())
        return;
    snoozeBeat_.setInterval(options_.snoozeMs());
    alarms_.setAlarm2Snoozing(true, clock_.wallMs() + options_.snoozeMs());
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
    flasher_.stopBeat();
    ring1EndsAt_ = 0;
    emit switchedOff(1);
}

void AlarmPanel::toggleAlarm2() {
    if (!alarms_[2].on)
        switchOn(2);
    else
        switchAlarm2Off();
}

void AlarmPanel::switchAlarm(int alarm, bool on) {
    if (alarms_[alarm].on == on)
        return;
    if (alarm == 1)
        toggleAlarm1();
    else
        toggleAlarm2();
}

void AlarmPanel::setAlarm(int alarm, QTime time) {
    alarms_.setTime(alarm, time);
    alarms_.setAmPm(alarm, time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
    settings_.prefs().setLine(10 + alarm, timeToStr(time));
    settings_.prefs().setLine(12 + alarm, alarms_[alarm].amPm);
    timeChanged_ = differFromSaved();
}

void AlarmPanel::switchAlarm2Off() {
    alarms_.setOn(2, false);
    snoozeBeat_.setInterval(0);
    emit switchedOff(2);
}

bool AlarmPanel::alarm1Ringing() const {
    return alarms_[1].on && (alarms_.inItsMinute(1, clock_.timeOfDay()) ||
                             (alarms_.alarm1Alerting() && flasher_.beating()));
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
    // Enter stops every alarm's own sound.
    if (key == Qt::Key_Return)
        ring1OwnSound_ = false;
    // Only a ringing alarm 1: one set for later stays armed, whatever else
    // the press acknowledges.
    if (key == Qt::Key_Return && alarm1Ringing())
        toggleAlarm1();
    else
        enterHandled_ = false;
    // Enter silences alarm 2 only while it snoozes, and not with the same
    // press that switched alarm 1 off while the alert was sounding.
    if (alarms_.alarm2Snoozing() && !enterHandled_ && key == Qt::Key_Return)
        switchAlarm2Off();
    else
        enterHandled_ = false;
}

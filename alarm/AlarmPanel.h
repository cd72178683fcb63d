// SPDX-License-Identifier: GPL-3.0-or-later
// The alarm half's two alarms. Each rings during the whole minute of its
// time; alarm 1 once or, with "Recur", again and again, alarm 2 once and
// then every snooze period until it is switched off. What the alarms are
// is the AlarmClock's; the controls show it and change it.
#pragma once

#include "core/TimerNumbers.h"
#include "models/AlarmClock.h"
#include "models/AlertOptions.h"
#include "models/Options.h"
#include "models/SettingsStore.h"
#include "platform/Platform.h"
#include "timers/AlertFlasher.h"
#include "widgets/Controls.h"
#include "widgets/IntervalTimer.h"

#include <QObject>
#include <array>

class AlarmPanel : public QObject {
    Q_OBJECT
public:
    struct Controls {
        std::array<FlatButton*, 2> onOff;
        std::array<BevelPanel*, 2> onOffPanel;
        std::array<BevelPanel*, 2> amPm;
        std::array<TimePicker*, 2> picker;
        FlatButton* copy1To2;
        FlatButton* copy2To1;
        FlatButton* test;
    };
    AlarmPanel(AlarmClock& alarms, const Options& options, const AlertOptions& alertOptions,
               SettingsStore& settings, AlertFlasher& flasher, platform::Clock& clock,
               Controls controls, HandlerEntry enter, QObject* parent);

    // The tick: an alarm in its minute rings.
    void check();
    // Rings now, as in its minute: one whose minute passed while the
    // program was away.
    void ringNow(int alarm);
    // Alarm 1 silenced, to ring again once that many milliseconds have
    // passed.
    void snoozeAlarm1(int ms);
    // Alarm 2 snoozes on after the program was away, its sound played at
    // once when it was due meanwhile; the next one comes after firstInMs,
    // or a whole period from now.
    void resumeSnooze(bool soundDue, qint64 firstInMs = 0);
    // Where the system will not wake a sleeping machine, the alarms' switches
    // say that they ring only while it is awake.
    void noteWake(bool wakes);
    // Alarm 1 rings: in its minute, or its alert repeating after it.
    bool alarm1Ringing() const;
    void toggleAlarm1();
    void toggleAlarm2();
    void switchAlarm2Off();
    // As its switch would, whichever it shows now.
    void switchAlarm(int alarm, bool on);
    // A time set from outside the window: the dial's hour and AM or PM of a
    // time of day, kept for the settings as the window's Yes to the
    // question at close would keep it, so that nothing asks.
    void setAlarm(int alarm, QTime time);
    // Alarm 2's snooze period is over: its sound again.
    void soundSnooze();
    // The snooze period alarm 2 repeats at; 0 while it does not.
    int snoozePeriod() const { return snoozeBeat_.interval(); }
    // Enter switches a ringing alarm 1 off, and alarm 2 while it snoozes
    // unless an alert beat since the last key.
    void silenceAlarms(int key);
    // An alert beat: the next Enter acknowledges it.
    void noteAlertBeat() { enterHandled_ = true; }
    // A time or AM/PM differs from the settings since start or the last save.
    bool timeChanged() const { return timeChanged_; }
    void saved() { timeChanged_ = false; }

signals:
    // An alarm rings: the window comes forward first, and once its sound
    // and switch are done the desktop hears of it.
    void rings(int alarm);
    void rang(int alarm);
    // Switched off: its notification goes.
    void switchedOff(int alarm);
    // Alarm 1's ring is over by itself, on or off: its minute has passed,
    // no alert of it repeats and a sound of its own was heard to. Its
    // notification goes too.
    void ringEnded(int alarm);
    // The user clicked its switch.
    void switchClicked(int alarm);
    // Alarm 2's snooze is over: its sound again.
    void snoozeSounds();

private:
    void showAlarm(int alarm);
    void switchOn(int alarm);
    void tellAwakeOnly(int alarm);
    static QString awakeOnly();
    void ring2();
    void soundAlarm1();
    // Alarm 1 rang: its ring lasts to the end of its minute, or a minute
    // when it rings outside it (snoozed, or missed while the program was
    // away).
    void noteRing1();
    void endRing1IfOver();
    // A snooze length chosen while alarm 2 snoozes counts from now.
    void followSnoozeLength();
    void timeEdited(int alarm);
    bool differFromSaved() const;
    // Each of its controls enters its handler through the error guard.
    template <typename Signal, typename Sender, typename Handler>
    void on(Sender* sender, Signal signal, Handler handler);

    AlarmClock& alarms_;
    const Options& options_;
    const AlertOptions& alertOptions_;
    SettingsStore& settings_;
    AlertFlasher& flasher_;
    platform::Clock& clock_;
    Controls controls_;
    HandlerEntry enter_;
    IntervalTimer snoozeBeat_{nullptr, QStringLiteral("snoozeBeat"), 0};
    bool enterHandled_ = false;
    bool timeChanged_ = false;
    // Whether the machine wakes for an alarm, the alarm the user last
    // switched on, and whether the user has been told that it will not.
    bool wakes_ = true;
    int switchedOn_ = 0;
    bool toldAwakeOnly_ = false;
    // When alarm 1's ring is over, on the clock since boot; 0 while none is.
    // A sound of its own loops until Enter or its switch is heard.
    qint64 ring1EndsAt_ = 0;
    bool ring1OwnSound_ = false;
};

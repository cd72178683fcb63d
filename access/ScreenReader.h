// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a screen reader hears it: a name for every control, kept
// true to the state the control shows, and a timer that starts or rings
// announced.
#pragma once

#include "models/AlarmClock.h"
#include "models/Options.h"
#include "models/SettingsStore.h"
#include "models/Stopwatch.h"
#include "models/Timers.h"
#include "timers/TimerRows.h"
#include "widgets/Controls.h"

#include <QObject>
#include <array>

class ScreenReader : public QObject {
    Q_OBJECT
public:
    struct Controls {
        FlatButton* pin;
        FlatButton* alarmHalf;
        BevelPanel* alarmPanel;
        FlatButton* stopwatch;
        std::array<TimePicker*, 2> alarmTimes;
        std::array<BevelPanel*, 2> alarmAmPm;
        std::array<FlatButton*, 2> alarmOnOff;
        std::array<RadioButton*, 7> snooze;
    };
    // Before the window first shows: a reader keeps what it first learns.
    static void prepare();

    ScreenReader(QWidget& window, const TimerRows& rows, const Timers& timers,
                 const Stopwatch& stopwatch, const AlarmClock& alarms,
                 const SettingsStore& settings, Controls controls, QObject* parent);
    ~ScreenReader() override;

    // What a pointer resting on a timer is told, so that a new user finds
    // the right click; no pointer rests there before the first frame.
    void addTips();
    // Every name kept true to what its control shows; only while a reader
    // listens, since unheard they cost every tick their making.
    void describe();
    // A timer that starts or rings.
    void announce(int n);

private:
    // How a timer's button names itself: its number, message, time and state.
    QString timerDescription(int n) const;
    // A countdown's box tells of its seconds menu only while it offers it:
    // at rest, not while it runs or rings.
    void helpWithSeconds(int n);

    QWidget& window_;
    const TimerRows& rows_;
    const Timers& timers_;
    const Stopwatch& stopwatch_;
    const AlarmClock& alarms_;
    const SettingsStore& settings_;
    Controls controls_;
    // Speaks for the window to a screen reader, made when first needed.
    QWidget* announcer_ = nullptr;
    bool tipsAdded_ = false;
};

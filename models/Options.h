// SPDX-License-Identifier: GPL-3.0-or-later
// What the user chose in the check boxes, the snooze lengths and the menus,
// the state line 0 of "prefs.qbx" keeps: by default the sound on and
// recurring, alarm 1 recurring and a snooze of 3 minutes. The controls show
// it and change it through here; the features that act on a choice read it
// here.
#pragma once

#include "Prefs.h"

#include <QObject>
#include <array>

class Options : public QObject {
    Q_OBJECT
public:
    // The snooze lengths, in minutes, in the order of their buttons.
    static constexpr std::array<int, 7> kSnoozeMinutes{1, 3, 5, 9, 15, 20, 30};

    bool sound() const { return now_.sound; }
    void setSound(bool on) { setSounding(now_.sound, on); }
    bool recur() const { return now_.recur; }
    void setRecur(bool on) { setSounding(now_.recur, on); }
    bool minimizeOnTimer() const { return now_.minimizeOnTimer; }
    void setMinimizeOnTimer(bool on) { set(now_.minimizeOnTimer, on); }
    bool alarm1Recur() const { return now_.alarm1Recur; }
    void setAlarm1Recur(bool on) { setSounding(now_.alarm1Recur, on); }
    bool alarmHalfOpen() const { return now_.alarmHalfOpen; }
    void setAlarmHalfOpen(bool open) { set(now_.alarmHalfOpen, open); }
    // Both alarms switched on at every start.
    bool startOn() const { return now_.startOn; }
    void setStartOn(bool on) { set(now_.startOn, on); }

    // 1 to 7, a place in kSnoozeMinutes; a length is always chosen.
    int snoozeChoice() const { return now_.snooze; }
    void setSnoozeChoice(int choice);
    // The chosen snooze length.
    int snoozeMs() const;

    // Kept for the file alone: an alarm delay 1 to 9, which only the file
    // chooses, and a tray colour 0 to 5 (-1 for none).
    int alarmDelay() const { return now_.alarmDelay; }
    int trayColour() const { return now_.trayColour; }
    void setTrayColour(int colour);

    // Takes what line 0 speaks for; an option it does not keeps its state.
    void readFrom(const QString& flags);
    // Line 0 with the options written over positions 1 to 9.
    QString written(const QString& flags) const { return writeOptions(flags, now_); }

signals:
    void changed();
    // How an alert sounds was changed: the one sounding stops.
    void soundChanged();

private:
    template <typename T> void set(T& option, T value) {
        if (option == value)
            return;
        option = value;
        emit changed();
    }

    void setSounding(bool& option, bool on) {
        if (option == on)
            return;
        set(option, on);
        emit soundChanged();
    }

    CurrentOptions now_{
        .sound = true, .recur = true, .alarm1Recur = true, .snooze = 2, .alarmDelay = 1};
};

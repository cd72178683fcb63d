// SPDX-License-Identifier: GPL-3.0-or-later
// The ten countdown rows and the twelve quick timers on the window: each
// row shows its timer as the model holds it (time, message, the colours of
// at rest, running and its last second), and hands the user's clicks and
// presses on: a click toggles, a right press on a countdown's button or
// time box opens its menu while it is at rest, and one on a quick timer
// shows its time left until the next tick but one.
#pragma once

#include "core/Guard.h"
#include "models/Timers.h"
#include "widgets/Controls.h"

#include <QObject>
#include <array>

class TimerRows : public QObject {
    Q_OBJECT
public:
    struct RowControls {
        BevelPanel* panel = nullptr;
        // A countdown's; a quick timer has none.
        TextBox* box = nullptr;
        FlatButton* button = nullptr;
    };
    struct Controls {
        // By timer number.
        std::array<RowControls, slot::LastQuick + 1> rows;
        PopupMenu* slotMenu;
        PopupMenu* secondsMenu;
        MenuItem* editItem;
        // "00" to "59".
        QList<MenuItem*> secondsItems;
        BevelPanel* timeLeft;
    };
    TimerRows(Timers& timers, Controls controls, HandlerEntry enter, QObject* parent);

    BevelPanel* Panel(int n) const { return Row(n).panel; }
    FlatButton* Button(int n) const { return Row(n).button; }
    // A countdown's time box.
    TextBox* Box(int n) const;

    // The timer the last press on a row was for; 0 after one elsewhere.
    int PressedSlot() const { return pressed_; }
    void ForgetPress() { pressed_ = 0; }

    // The alert's colouring of a ringing timer.
    void Paint(int n, int background, int font);
    // One tick has passed: the time-left popup goes at the second.
    void AgePopup();
    void HidePopup();

signals:
    // A click on a timer's button.
    void Clicked(int n);
    // A press on a countdown's time box, which never keeps the keyboard.
    void TimeBoxPressed();
    // The slot menu's "Edit Time / Message" for a countdown at rest.
    void EditAsked(int n);

private:
    const RowControls& Row(int n) const;
    void Show(int n);
    void ShowAtRest(int n);
    void ShowRunning(int n);
    void ShowTimeLeft(int n);
    void Connect(int n);

    Timers& timers_;
    HandlerEntry enter_;
    std::array<RowControls, slot::LastQuick + 1> rows_;
    PopupMenu* slotMenu_;
    PopupMenu* secondsMenu_;
    BevelPanel* popup_;
    bool popupAged_ = false;
    int pressed_ = 0;
};

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
        std::array<RowControls, timer::LastQuick + 1> rows;
        PopupMenu* slotMenu;
        PopupMenu* secondsMenu;
        MenuItem* editItem;
        // "00" to "59".
        QList<MenuItem*> secondsItems;
        BevelPanel* timeLeft;
    };
    TimerRows(Timers& timers, Controls controls, HandlerEntry enter, QObject* parent);

    BevelPanel* panel(int n) const { return row(n).panel; }
    FlatButton* timerButton(int n) const { return row(n).button; }
    // A countdown's time box.
    TextBox* box(int n) const;
    // Timer n's caption as its button shows it: the placeholder message,
    // which stays English in the file, in the user's language.
    QString captionShown(int n) const;

    // The timer the last press on a row was for; 0 after one elsewhere.
    int pressedSlot() const { return pressed_; }
    void forgetPress() { pressed_ = 0; }

    // The alert's colouring of a ringing timer.
    void paint(int n, int background, int font);
    // One tick has passed: the time-left popup goes at the second.
    void agePopup();
    void hidePopup();

signals:
    // A click on a timer's button.
    void clicked(int n);
    // A press on a countdown's time box, which never keeps the keyboard.
    void timeBoxPressed();
    // The slot menu's "Edit Time / Message" for a countdown at rest.
    void editAsked(int n);

private:
    const RowControls& row(int n) const;
    void show(int n);
    void showAtRest(int n);
    void showRunning(int n);
    void showTimeLeft(int n);
    void connectRow(int n);

    Timers& timers_;
    HandlerEntry enter_;
    std::array<RowControls, timer::LastQuick + 1> rows_;
    PopupMenu* slotMenu_;
    PopupMenu* secondsMenu_;
    BevelPanel* popup_;
    bool popupAged_ = false;
    int pressed_ = 0;
};

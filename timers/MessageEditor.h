// SPDX-License-Identifier: GPL-3.0-or-later
// The message editor: it covers the timers' rows and sets a countdown's
// hours, minutes and message. "OK" or Enter stores them, "C" clears the
// minutes; hiding the window, Escape or an alert closes it unstored.
#pragma once

#include "core/Guard.h"
#include "models/Timers.h"
#include "widgets/Controls.h"

#include <QObject>

class MessageEditor : public QObject {
    Q_OBJECT
public:
    struct Controls {
        BevelPanel* panel;
        TextBox* message;
        TimePicker* picker;
        FlatButton* ok;
        FlatButton* clear;
        // What it covers: the rows' panels and the bottom strip's.
        QList<QWidget*> covered;
        // The timers' panels alone.
        QList<QWidget*> timerPanels;
        // What an alert shows again besides the rows.
        QList<QWidget*> shownByAlert;
    };
    MessageEditor(Timers& timers, const SettingsStore& settings, Controls controls,
                  HandlerEntry enter, QObject* parent);

    // Its own visibility: the window itself may be hidden.
    bool isOpen() const { return !controls_.panel->isHidden(); }
    // Open for countdown n.
    bool editing(int n) const { return isOpen() && slot_ == n; }

    void openFor(int n);
    void store();
    // Closes it, storing nothing.
    void discard();
    // A timer rang: it closes, the rows and bottom strip showing again.
    void closeForAlert();
    void clearTime();

signals:
    // About to close: the keyboard goes back to the rows, to the button of
    // the countdown it edited (0 when an alert closes it).
    void closing(int slot);

protected:
    // Enter stores it from its message, its hours and minutes and its
    // buttons alike (the keypad's Enter too).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The placeholder message as the user reads it.
    static QString placeholderShown();
    void showRows(bool visible);

    Timers& timers_;
    const SettingsStore& settings_;
    Controls controls_;
    HandlerEntry enter_;
    int slot_ = 0;
};

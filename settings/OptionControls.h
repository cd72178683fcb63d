// SPDX-License-Identifier: GPL-3.0-or-later
// The check boxes, snooze lengths and menu entries of the options: each
// shows what the options hold and a click changes them there.
#pragma once

#include "core/Guard.h"
#include "models/Options.h"
#include "widgets/Controls.h"

#include <QMenu>
#include <QObject>
#include <array>

class OptionControls : public QObject {
    Q_OBJECT
public:
    struct Controls {
        CheckBox* sound;
        CheckBox* recur;
        MenuItem* minimizeOnTimer;
        CheckBox* alarm1Recur;
        CheckBox* startOn;
        // In the order of Options::kSnoozeMinutes.
        std::array<RadioButton*, 7> snooze;
        QMenu* alarmDelay;
        QMenu* trayColour;
    };
    OptionControls(Options& options, Controls controls, HandlerEntry enter, QObject* parent);

private:
    void show();

    Options& options_;
    Controls controls_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The alert options as the user keeps them: read from "alerts.ini" once
// the window is on screen, written back through the safe replace at every
// change, and tuned in the "Alert options" dialog, opened from a
// countdown's menu or the alarm half's.
#pragma once

#include "AlertOptionsDialog.h"
#include "TunedAlerts.h"
#include "core/Guard.h"
#include "core/UserFiles.h"
#include "models/AlarmClock.h"
#include "models/AlertOptions.h"
#include "models/Timers.h"
#include "platform/Platform.h"

#include <QObject>
#include <QPointer>

class AlertTuner : public QObject {
    Q_OBJECT
public:
    AlertTuner(AlertOptions& options, const TunedAlerts& alerts, const Timers& timers,
               QWidget& window, platform::Platform platform, const UserFiles& files,
               QObject* parent);

    // Reads the file; one that is missing or cannot be read leaves every
    // alert as the default has it.
    void load();
    // The dialog for countdown 1 to 10 or an alarm (AlertOptions::alarmKey).
    void openFor(int key);
    AlertOptionsDialog* dialog() const { return dialog_; }

private:
    void saveAlerts();

    AlertOptions& options_;
    const TunedAlerts& alerts_;
    const Timers& timers_;
    QWidget& window_;
    platform::Platform platform_;
    const UserFiles& files_;
    QPointer<AlertOptionsDialog> dialog_;
    bool loaded_ = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The command line acted on in the running program: given at its own
// start, or handed over by a later one. A timer's set time comes with the
// settings, so a command waits for them.
#pragma once

#include "core/Guard.h"
#include "models/Timers.h"
#include "platform/Platform.h"

#include <QObject>
#include <QStringList>

class CommandRunner : public QObject {
    Q_OBJECT
public:
    CommandRunner(const Timers& timers, platform::Instance& instance, HandlerEntry enter,
                  QObject* parent);
    ~CommandRunner() override;

    void run(const QStringList& arguments, bool handedOver);
    // The settings are in: a command that waited runs now.
    void settingsLoaded();

signals:
    void showAsked();
    void quitAsked();
    // As a click on timer n's button would.
    void toggleAsked(int n);
    // "Start with the desktop" on or off.
    void autostartAsked(bool on);
    // As the notifications' "Snooze 5 min" and "Again".
    void snoozeAsked();
    void againAsked(int n);
    // Every ringing alert silenced, as Enter does.
    void acknowledgeAsked();

private:
    const Timers& timers_;
    platform::Instance& instance_;
    bool loaded_ = false;
    QStringList pending_;
    bool pendingHandedOver_ = false;
};

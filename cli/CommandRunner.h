// SPDX-License-Identifier: GPL-3.0-or-later
// The one way in from outside the window: the program's own command line,
// a later start's, and D-Bus each come here, action by action, and each
// action is done as the window's own controls would do it. Every action
// says what it did, or why it did nothing. A timer's set time comes with
// the settings, so what comes before them waits, and is acted on, all of
// it, in the order it came.
#pragma once

#include "CommandLine.h"
#include "alarm/AlarmPanel.h"
#include "core/Guard.h"
#include "models/AlarmClock.h"
#include "models/Timers.h"
#include "notify/AlertActions.h"
#include "platform/Platform.h"
#include "timers/MessageEditor.h"

#include <QObject>
#include <QStringList>

class CommandRunner : public QObject {
    Q_OBJECT
public:
    using Answer = platform::Instance::Response;
    struct Features {
        AlertActions& alerts;
        AlarmPanel& alarmPanel;
        const MessageEditor& editor;
    };
    CommandRunner(Timers& timers, const AlarmClock& alarms, Features features,
                  platform::Instance& instance, HandlerEntry enter, QObject* parent);
    ~CommandRunner() override;

    // A command line: the program's own, or a later start's (handedOver),
    // which with nothing to do asks for the window. reply hears what was
    // done, once it is.
    void run(const QStringList& arguments, bool handedOver, platform::Instance::Reply reply);
    // One action, once the settings are in: what it did, or, with status
    // 1, why it did nothing.
    Answer perform(const Command::Action& action);
    // The settings are in: what waited for them is acted on now.
    void settingsLoaded();
    bool ready() const { return loaded_; }

signals:
    void showAsked();
    void quitAsked();
    // "Start with the desktop" on or off.
    void autostartAsked(bool on);

private:
    struct Waiting {
        QStringList arguments;
        bool handedOver;
        platform::Instance::Reply reply;
    };
    void runNow(const Waiting& command);
    Answer setTimer(const Command::Action& action);
    Answer setAlarm(const Command::Action& action);

    Timers& timers_;
    const AlarmClock& alarms_;
    Features features_;
    platform::Instance& instance_;
    bool loaded_ = false;
    QList<Waiting> waiting_;
};

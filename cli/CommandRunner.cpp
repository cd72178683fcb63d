// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandRunner.h"

#include "CommandLine.h"

CommandRunner::CommandRunner(const Timers& timers, platform::Instance& instance, HandlerEntry enter,
                             QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , instance_(instance) {
    instance_.listenForStarts(
        [this, enter](const QStringList& arguments) { enter([&] { run(arguments, true); }); });
}

CommandRunner::~CommandRunner() {
    instance_.listenForStarts({});
}

void CommandRunner::settingsLoaded() {
    loaded_ = true;
    if (!pending_.isEmpty())
        run(std::exchange(pending_, {}), pendingHandedOver_);
}

void CommandRunner::run(const QStringList& arguments, bool handedOver) {
    if (!loaded_) {
        pending_ = arguments;
        pendingHandedOver_ = handedOver;
        return;
    }
    const Command command = parseCommandLine(arguments);
    QList<Command::Action> actions = command.actions;
    // A second start, with nothing to do, is for the window.
    if (handedOver && actions.isEmpty())
        actions.append({Command::Act::Show});
    for (const Command::Action& action : actions) {
        // As a click on the timer's button would, when the timer is in the
        // state the action is for.
        const int n =
            action.act == Command::Act::Quick ? timer::quickNumber(action.number) : action.number;
        const bool busy = timer::isTimer(n) && timers_.stateOf(n) != Timers::State::Idle;
        if (action.act == Command::Act::Show)
            emit showAsked();
        else if (action.act == Command::Act::Autostart)
            emit autostartAsked(action.number == 1);
        else if (action.act == Command::Act::Quit)
            emit quitAsked();
        else if (action.act == Command::Act::Snooze)
            emit snoozeAsked();
        else if (action.act == Command::Act::Acknowledge)
            emit acknowledgeAsked();
        else if (action.act == Command::Act::Again)
            emit againAsked(n);
        else if (busy == (action.act == Command::Act::Stop))
            emit toggleAsked(n);
    }
}

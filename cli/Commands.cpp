// SPDX-License-Identifier: GPL-3.0-or-later
// The command line acted on in the running program: given at its own
// start, or handed over by a later one.
#include "CommandLine.h"
#include "window/MainWindow.h"

void MainWindow::RunCommand(const QStringList& arguments, bool handedOver) {
    // A slot's set time comes with the settings, which come with the
    // window's first activation.
    if (State.FirstActivation) {
        pendingCommand_ = arguments;
        pendingHandedOver_ = handedOver;
        return;
    }
    const Command command = ParseCommandLine(arguments);
    QList<Command::Action> actions = command.actions;
    // A second start, with nothing to do, is for the window.
    if (handedOver && actions.isEmpty())
        actions.append({Command::Act::Show});
    for (const Command::Action& action : actions) {
        // As a click on the slot's button would, when the slot is in the
        // state the action is for.
        const int N = action.act == Command::Act::Quick ? 22 + action.number : action.number;
        const bool busy = slot::IsSlot(N) && timers_.StateOf(N) != Timers::State::Idle;
        if (action.act == Command::Act::Show)
            platform_.windows.Raise(this);
        else if (action.act == Command::Act::Quit)
            Quit(quitButton);
        else if (busy == (action.act == Command::Act::Stop))
            ToggleSlot(N);
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line, read before anything of the desktop starts,
// so that asking for help or the version needs no display, and a wrong one
// changes nothing. A desktop shortcut or a script drives the running
// program with it: a later start hands its command line to the running
// copy, which acts on it.
#pragma once

#include <QString>
#include <QStringList>

struct Command {
    enum class Kind {
        Run,     // start the program, or hand the command to the running one
        Help,    // print the text and end, well
        Version, // likewise
        Error,   // print the text and end with the usage error, 2
    };
    Kind kind = Kind::Run;
    QString text;

    // What the running program is asked to do, in the order given.
    enum class Act {
        Show,  // its window restored and raised
        Start, // countdown timer 1 to 10, from its set time
        Stop,  // countdown timer 1 to 10, stopped or acknowledged
        Quick, // quick timer 1 to 12, started
        Quit,  // as its Quit button, question included
        // "Start with the desktop" on (number 1) or off (0)
        Autostart,
        Snooze, // the ringing alerts, a snooze on
        Again,  // countdown timer 1 to 10, from its set time again
        // every ringing alert silenced, as Enter does: --stop without N
        Acknowledge,
    };
    struct Action {
        Act act;
        int number = 0;
        bool operator==(const Action&) const = default;
    };
    QList<Action> actions = {};
    // Started in the background: the tray icon only, the window hidden
    // until asked for or until an alert shows it.
    bool background = false;
};

// The arguments as main() has them, the program's name first.
Command parseCommandLine(const QStringList& arguments);

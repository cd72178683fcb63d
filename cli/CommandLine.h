// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line, read before anything of the desktop starts,
// so that asking for help or the version needs no display, and a wrong one
// changes nothing. A desktop shortcut or a script drives the running
// program with it: a later start hands its command line to the running
// copy, which acts on it. The rules for a timer's length and an alarm's
// time are written here once, for every door in: the command line, a
// later start's and D-Bus.
#pragma once

#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

struct Command {
    enum class Kind {
        Run,     // start the program, or hand the command to the running one
        Help,    // print the text and end, well
        Version, // likewise
        Error,   // print the text and end with the usage error, 2
        Status,  // ask the running copy what it has, print it and end
        Watch,   // print what the running copy has at every change, for good
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
        Set,   // countdown timer 1 to 10 given a length, and a message
        Alarm, // alarm 1 or 2 switched on or off, or given a time
    };
    struct Action {
        Act act;
        int number = 0;
        // Set: the length in seconds, and the message where one is given.
        int seconds = 0;
        std::optional<QString> message = {};
        // Alarm: on or off, or a time of day.
        std::optional<bool> on = {};
        std::optional<QTime> time = {};
        bool operator==(const Action&) const = default;
    };
    QList<Action> actions = {};
    // Started in the background: the tray icon only, the window hidden
    // until asked for or until an alert shows it.
    bool background = false;
    // Status as JSON, a watch as plain lines.
    bool json = false;
    bool plain = false;
};

// The arguments as main() has them, the program's name first.
Command parseCommandLine(const QStringList& arguments);

// A timer's length as a user writes it: "H:MM:SS" (minutes and seconds 0
// to 59) or a sum of units ("25m", "90s", "1h30m15s"), 1 second to the
// longest the editor sets; in seconds, or what is wrong with it.
struct Parsed {
    int value = 0;
    QString error;
};
Parsed parseLength(const QString& text);
// An alarm's time: "7:30", "19:30", "7:30 AM"; the time of day, or what is
// wrong with it.
std::optional<QTime> parseAlarmTime(const QString& text, QString* error);
// A whole number from first to last written in plain digits, or what is
// wrong with it, naming the option.
Parsed parseNumber(const QString& text, const QString& option, int first, int last);
// The longest length a countdown takes: 59:59:59.
constexpr int kLongestLength = 59 * 3600 + 59 * 60 + 59;
// "0:25:00": a length as a countdown's line holds it, without its leading
// zero of the hour.
QString lengthText(int seconds);

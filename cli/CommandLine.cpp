// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "core/TimerNumbers.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>

namespace {

// Qt's own options for a desktop program (-platform xcb, -display :1, and
// the like), which the application object takes up after this: known
// here, so that they are no error, and left out of the help.
void acceptQtOptions(QCommandLineParser& parser) {
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                             "style", "stylesheet", "geometry", "qwindowgeometry", "title",
                             "qwindowtitle", "icon", "qwindowicon", "session", "name"}) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "nograb", "dograb", "sync"}) {
        QCommandLineOption option{QLatin1String(name)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The options that drive the running program: name, what a number names
// and its range (none without a number), and the help's words.
struct ActionOption {
    const char* name;
    Command::Act act;
    int last;
    const char* help;
};
constexpr ActionOption kActions[] = {
    {"show", Command::Act::Show, 0, "Restores and raises the window."},
    {"start", Command::Act::Start, timer::LastCountdown,
     "Starts countdown timer N (1 to 10) from its set time."},
    {"stop", Command::Act::Stop, timer::LastCountdown,
     "Stops countdown timer N (1 to 10), or silences it. Without N, silences every ringing "
     "timer and alarm, as Enter in the window does: for a desktop shortcut."},
    {"quick", Command::Act::Quick, timer::QuickCount,
     "Starts quick timer N (1 to 12, left to right)."},
    {"snooze", Command::Act::Snooze, 0,
     "Snoozes the ringing timers and alarms for %1 minutes, as their notification's "
     "\"Snooze %1 min\" does."},
    {"again", Command::Act::Again, timer::LastCountdown,
     "Starts countdown timer N (1 to 10) again from its set time, ringing or not."},
    {"quit", Command::Act::Quit, 0, "Quits, asking first while a timer runs."},
};

// What a --stop without a number stands for once read.
const QString kEveryAlert = QStringLiteral("every");

// --stop takes a number, but stands alone too: at the end, or before
// another option.
QStringList withBareStops(QStringList arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool stop = argument == QLatin1String("--stop") || argument == QLatin1String("-stop");
        if (stop && (i + 1 == arguments.size() || arguments.at(i + 1).startsWith(u'-')))
            arguments[i] = QStringLiteral("--stop=") + kEveryAlert;
        if (argument == QLatin1String("--"))
            break;
    }
    return arguments;
}

// The actions in the order given, each option's values in turn; an error
// for a value out of range.
Command parseActions(const QCommandLineParser& parser, const QString& usage) {
    Command command;
    command.background = parser.isSet(QStringLiteral("background"));
    for (const QString& value : parser.values(QStringLiteral("autostart"))) {
        if (value != QLatin1String("on") && value != QLatin1String("off"))
            return {Command::Kind::Error,
                    QStringLiteral("--autostart takes on or off, not '%1'.\n\n").arg(value) +
                        usage};
        command.actions.append({Command::Act::Autostart, value == QLatin1String("on") ? 1 : 0});
    }
    QHash<QString, int> taken;
    for (const QString& name : parser.optionNames()) {
        for (const ActionOption& action : kActions) {
            if (name != QLatin1String(action.name))
                continue;
            int number = 0;
            if (action.last) {
                const QString value = parser.values(name).value(taken[name]++);
                if (action.act == Command::Act::Stop && value == kEveryAlert) {
                    command.actions.append({Command::Act::Acknowledge});
                    continue;
                }
                bool whole = false;
                number = value.toInt(&whole);
                if (!whole || number < 1 || number > action.last)
                    return {Command::Kind::Error,
                            QStringLiteral("--%1 takes a number from 1 to %2, not '%3'.\n\n")
                                    .arg(name)
                                    .arg(action.last)
                                    .arg(value) +
                                usage};
            }
            command.actions.append({action.act, number});
        }
    }
    return command;
}

} // namespace

Command parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options come with one dash: "-platform" is one option, not seven.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    acceptQtOptions(parser);
    parser.setApplicationDescription(
        QStringLiteral("Countdown timers with messages, one-click quick timers, a two-alarm "
                       "clock with snooze, a stopwatch and a big clock, in one small window.\n"
                       "To set a countdown, right-click its button and choose \"Edit Time / "
                       "Message\"; a click starts it."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption background(
        QStringLiteral("background"),
        QStringLiteral("Starts in the notification area, the window hidden."));
    parser.addOption(background);
    const QCommandLineOption autostart(
        QStringLiteral("autostart"),
        QStringLiteral("Starts the program with the desktop (on) or not (off)."),
        QStringLiteral("on|off"));
    parser.addOption(autostart);
    const QCommandLineOption version = parser.addVersionOption();
    for (const ActionOption& action : kActions) {
        const QString help = action.act == Command::Act::Snooze
                                 ? QString::fromLatin1(action.help).arg(timer::SnoozeMinutes)
                                 : QString::fromLatin1(action.help);
        parser.addOption(
            action.last ? QCommandLineOption(QLatin1String(action.name), help, QStringLiteral("N"))
                        : QCommandLineOption(QLatin1String(action.name), help));
    }
    // Without an application object Qt cannot name the program itself.
    const QString usage = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                    QCoreApplication::applicationName());
    if (!parser.parse(withBareStops(arguments)))
        return {Command::Kind::Error, parser.errorText() + QStringLiteral("\n\n") + usage};
    if (!parser.positionalArguments().isEmpty()) {
        const QString unexpected = parser.positionalArguments().constFirst();
        return {Command::Kind::Error,
                QStringLiteral("Unexpected argument '%1'.\n\n").arg(unexpected) + usage};
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return {Command::Kind::Help, usage};
    if (parser.isSet(version))
        return {Command::Kind::Version, QCoreApplication::applicationName() + u' ' +
                                            QCoreApplication::applicationVersion() + u'\n'};

    return parseActions(parser, usage);
}

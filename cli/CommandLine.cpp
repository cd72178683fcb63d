// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "core/TimerNumbers.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

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
// and its range (none without a number), and the help's words, translated
// as the help is made.
struct ActionOption {
    const char* name;
    Command::Act act;
    int last;
    const char* help;
};
constexpr ActionOption kActions[] = {
    {"show", Command::Act::Show, 0,
     QT_TRANSLATE_NOOP("CommandLine", "Restores and raises the window.")},
    {"start", Command::Act::Start, timer::LastCountdown,
     QT_TRANSLATE_NOOP("CommandLine", "Starts countdown timer N (1 to 10) from its set time.")},
    {"stop", Command::Act::Stop, timer::LastCountdown,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Stops countdown timer N (1 to 10), or silences it. Without N, silences "
                       "every ringing timer and alarm, as Enter in the window does: for a "
                       "desktop shortcut.")},
    {"quick", Command::Act::Quick, timer::QuickCount,
     QT_TRANSLATE_NOOP("CommandLine", "Starts quick timer N (1 to 12, left to right).")},
    {"snooze", Command::Act::Snooze, 0,
     //: "Snooze %1 min" is the notification's button: as it is translated
     //: there. %1 is the snooze's length in minutes (5).
     QT_TRANSLATE_NOOP("CommandLine",
                       "Snoozes the ringing timers and alarms for %1 minutes, as their "
                       "notification's \"Snooze %1 min\" does.")},
    {"again", Command::Act::Again, timer::LastCountdown,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Starts countdown timer N (1 to 10) again from its set time, ringing or "
                       "not.")},
    {"quit", Command::Act::Quit, 0,
     QT_TRANSLATE_NOOP("CommandLine", "Quits, asking first while a timer runs.")},
};

// What a --stop without a number stands for once read.
const QString kEveryAlert = QStringLiteral("every");
// What marks the place of a --set or --alarm read ahead: no one types it.
constexpr QChar kTaken = u'\x1f';

bool isOption(const QString& argument, const char* name) {
    const QString bare = argument.startsWith(QLatin1String("--")) ? argument.mid(2)
                         : argument.startsWith(u'-')              ? argument.mid(1)
                                                                  : QString();
    return bare == QLatin1String(name);
}

// The options that take more than one argument (--set N LENGTH [MESSAGE],
// --alarm N on|off|TIME [AM|PM]), read ahead of Qt's parser, which knows
// one value an option: each becomes "--set=" kTaken K, K its place in
// taken, so that the order given stays. --stop takes a number, but stands alone too:
// at the end, or before another option.
struct Ahead {
    QStringList arguments;
    QList<QStringList> taken;
};
Ahead readAhead(const QStringList& arguments) {
    Ahead ahead{arguments.mid(0, 1), {}};
    const auto isAmPm = [](const QString& word) {
        return word.compare(QLatin1String("AM"), Qt::CaseInsensitive) == 0 ||
               word.compare(QLatin1String("PM"), Qt::CaseInsensitive) == 0;
    };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            ahead.arguments += arguments.mid(i);
            break;
        }
        const bool set = isOption(argument, "set");
        if (set || isOption(argument, "alarm")) {
            QStringList values = arguments.mid(i + 1, 2);
            i += values.size();
            // A message or an AM/PM is the next argument, unless it is an
            // option.
            const bool more = i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(u'-') &&
                              (set || isAmPm(arguments.at(i + 1)));
            if (more && values.size() == 2)
                values << arguments.at(++i);
            ahead.arguments << (set ? QStringLiteral("--set=") : QStringLiteral("--alarm=")) +
                                   kTaken + QString::number(ahead.taken.size());
            ahead.taken << values;
            continue;
        }
        const bool stop = isOption(argument, "stop");
        ahead.arguments << (stop && (i + 1 == arguments.size() ||
                                     arguments.at(i + 1).startsWith(u'-'))
                                ? QStringLiteral("--stop=") + kEveryAlert
                                : argument);
    }
    return ahead;
}

// --set N LENGTH [MESSAGE]: an action, or what is wrong.
Command::Action readSet(const QStringList& values, QString* error) {
    if (values.size() < 2) {
        *error = QCoreApplication::translate(
            "CommandLine", "--set takes a countdown timer (1 to 10), a length (H:MM:SS or a sum "
                           "of hours, minutes and seconds such as 25m, 90s or 1h30m15s) and, if "
                           "you like, a message.");
        return {Command::Act::Set};
    }
    const Parsed number = parseNumber(values[0], QStringLiteral("--set"), timer::FirstCountdown,
                                      timer::LastCountdown);
    const Parsed length = parseLength(values[1]);
    *error = number.error.isEmpty() ? length.error : number.error;
    if (!error->isEmpty())
        return {Command::Act::Set};
    Command::Action action{Command::Act::Set, number.value, length.value};
    if (values.size() > 2)
        action.message = values[2];
    return action;
}

// --alarm N on|off|TIME: an action, or what is wrong.
Command::Action readAlarm(const QStringList& values, QString* error) {
    if (values.size() < 2) {
        //: "on" and "off" are typed as they are: keep them in English.
        *error = QCoreApplication::translate("CommandLine",
                                             "--alarm takes an alarm (1 or 2) and on, off or a "
                                             "time such as 7:30, 7:30 AM or 19:30.");
        return {Command::Act::Alarm};
    }
    const Parsed number = parseNumber(values[0], QStringLiteral("--alarm"), 1, 2);
    *error = number.error;
    Command::Action action{Command::Act::Alarm, number.value};
    if (!error->isEmpty())
        return action;
    if (values[1] == QLatin1String("on") || values[1] == QLatin1String("off"))
        action.on = values[1] == QLatin1String("on");
    else
        action.time = parseAlarmTime(values.mid(1).join(u' '), error);
    return action;
}

// The number an option names, its action, or an error; --stop without one
// silences every ringing alert.
Command::Action readNumbered(const ActionOption& option, const QString& value, QString* error) {
    if (option.act == Command::Act::Stop && value == kEveryAlert)
        return {Command::Act::Acknowledge};
    const Parsed number =
        parseNumber(value, QStringLiteral("--") + QLatin1String(option.name), 1, option.last);
    *error = number.error;
    return {option.act, number.value};
}

// The actions in the order given, each option's values in turn; an error
// for a value out of range.
Command parseActions(const QCommandLineParser& parser, const QList<QStringList>& taken) {
    Command command;
    command.background = parser.isSet(QStringLiteral("background"));
    QHash<QString, int> next;
    for (const QString& name : parser.optionNames()) {
        const QString value = parser.values(name).value(next[name]++);
        QString error;
        Command::Action action{Command::Act::Show};
        // Written "--set=3" it was not read ahead: no more than a number.
        const QStringList values =
            value.startsWith(kTaken) ? taken.value(value.mid(1).toInt()) : QStringList{value};
        if (name == QLatin1String("set")) {
            action = readSet(values, &error);
        } else if (name == QLatin1String("alarm")) {
            action = readAlarm(values, &error);
        } else if (name == QLatin1String("autostart")) {
            if (value != QLatin1String("on") && value != QLatin1String("off"))
                //: "on" and "off" are typed as they are: keep them in English.
                error = QCoreApplication::translate("CommandLine",
                                                    "--autostart takes on or off, not '%1'.")
                            .arg(value);
            action = {Command::Act::Autostart, value == QLatin1String("on") ? 1 : 0};
        } else {
            const auto option = std::find_if(
                std::begin(kActions), std::end(kActions),
                [&](const ActionOption& option) { return name == QLatin1String(option.name); });
            if (option == std::end(kActions))
                continue;
            action =
                option->last ? readNumbered(*option, value, &error) : Command::Action{option->act};
        }
        if (!error.isEmpty())
            return {Command::Kind::Error, error};
        command.actions.append(action);
    }
    return command;
}

// The probes: what the running copy has, at once or at every change. They
// take no other action.
Command probe(const QCommandLineParser& parser, const Command& actions) {
    const bool status = parser.isSet(QStringLiteral("status"));
    const bool watch = parser.isSet(QStringLiteral("watch"));
    const bool json = parser.isSet(QStringLiteral("json"));
    const bool plain = parser.isSet(QStringLiteral("plain"));
    if (status && watch)
        return {Command::Kind::Error, QCoreApplication::translate(
                                          "CommandLine", "--status and --watch go one at a time.")};
    if ((status || watch) && (!actions.actions.isEmpty() || actions.background))
        return {Command::Kind::Error,
                //: %1 is status or watch, %2 the option --json or --plain.
                QCoreApplication::translate("CommandLine", "--%1 takes no other option but %2.")
                    .arg(status ? QStringLiteral("status") : QStringLiteral("watch"),
                         status ? QStringLiteral("--json") : QStringLiteral("--plain"))};
    if ((json && !status) || (plain && !watch))
        return {Command::Kind::Error,
                json && !status
                    ? QCoreApplication::translate("CommandLine", "--json goes with --status.")
                    : QCoreApplication::translate("CommandLine", "--plain goes with --watch.")};
    Command command = actions;
    if (status || watch)
        command.kind = status ? Command::Kind::Status : Command::Kind::Watch;
    command.json = json;
    command.plain = plain;
    return command;
}

void addOptions(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("background"),
                      QCoreApplication::translate(
                          "CommandLine", "Starts in the notification area, the window hidden.")});
    //: "on" and "off" are typed as they are: keep them in English.
    parser.addOption({QStringLiteral("autostart"),
                      QCoreApplication::translate(
                          "CommandLine", "Starts the program with the desktop (on) or not (off)."),
                      QStringLiteral("on|off")});
    //: The value of an option in --help: a timer's or an alarm's number.
    const QString number = QCoreApplication::translate("CommandLine", "N");
    for (const ActionOption& action : kActions) {
        QString help = QCoreApplication::translate("CommandLine", action.help);
        if (action.act == Command::Act::Snooze)
            help = help.arg(timer::SnoozeMinutes);
        parser.addOption(action.last ? QCommandLineOption(QLatin1String(action.name), help, number)
                                     : QCommandLineOption(QLatin1String(action.name), help));
    }
    //: LENGTH and MESSAGE as in the value of --set ("N LENGTH [MESSAGE]").
    parser.addOption(
        {QStringLiteral("set"),
         QCoreApplication::translate(
             "CommandLine", "Gives idle countdown timer N (1 to 10) a LENGTH, H:MM:SS or a sum "
                            "such as 25m, 90s or 1h30m15s, and a MESSAGE if one follows: --set 3 "
                            "25m Pasta."),
         //: The value of --set in --help: N, LENGTH and MESSAGE as its help names them.
         QCoreApplication::translate("CommandLine", "N LENGTH [MESSAGE]")});
    //: "on" and "off" are typed as they are: keep them in English.
    parser.addOption(
        {QStringLiteral("alarm"),
         QCoreApplication::translate("CommandLine", "Switches alarm N (1 or 2) on or off, or sets "
                                                    "its time: 7:30, 7:30 AM or 19:30."),
         //: The value of --alarm in --help: "on|off" is typed as it is, keep it;
         //: N and TIME as its help names them.
         QCoreApplication::translate("CommandLine", "N on|off|TIME")});
    parser.addOption(
        {QStringLiteral("status"),
         QCoreApplication::translate("CommandLine", "Prints what the running copy has: timers, the "
                                                    "stopwatch and the alarms that are on.")});
    parser.addOption(
        {QStringLiteral("json"),
         QCoreApplication::translate("CommandLine", "With --status: as one JSON object (see the "
                                                    "manual).")});
    parser.addOption(
        {QStringLiteral("watch"),
         QCoreApplication::translate("CommandLine", "Prints a line for a panel bar at once and at "
                                                    "every change, JSON as waybar reads it, until "
                                                    "ended.")});
    parser.addOption(
        {QStringLiteral("plain"),
         QCoreApplication::translate("CommandLine", "With --watch: plain text lines, as polybar "
                                                    "and i3blocks read them.")});
}

} // namespace

Parsed parseNumber(const QString& text, const QString& option, int first, int last) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    const int value = digits.match(text).hasMatch() ? text.toInt() : 0;
    if (value >= first && value <= last)
        return {value, {}};
    //: %1 is an option (--start) or a D-Bus method (StartTimer).
    return {0,
            QCoreApplication::translate("CommandLine", "%1 takes a number from %2 to %3, not '%4'.")
                .arg(option)
                .arg(first)
                .arg(last)
                .arg(text)};
}

Parsed parseLength(const QString& text) {
    static const QRegularExpression clock(QStringLiteral("^([0-9]{1,2}):([0-9]{2}):([0-9]{2})$"));
    static const QRegularExpression units(
        QStringLiteral("^(?:([0-9]{1,6})h)?(?:([0-9]{1,6})m)?(?:([0-9]{1,6})s)?$"));
    qint64 seconds = -1;
    if (const QRegularExpressionMatch hms = clock.match(text); hms.hasMatch()) {
        const int minutes = hms.captured(2).toInt();
        const int secs = hms.captured(3).toInt();
        if (minutes < 60 && secs < 60)
            seconds = hms.captured(1).toInt() * 3600 + minutes * 60 + secs;
    } else if (const QRegularExpressionMatch sum = units.match(text);
               sum.hasMatch() && !text.isEmpty()) {
        seconds = sum.captured(1).toLongLong() * 3600 + sum.captured(2).toLongLong() * 60 +
                  sum.captured(3).toLongLong();
    }
    if (seconds >= 1 && seconds <= kLongestLength)
        return {int(seconds), {}};
    //: The units h, m and s are typed as they are: keep them.
    return {0, QCoreApplication::translate(
                   "CommandLine", "'%1' is no length a countdown takes: write H:MM:SS (minutes "
                                  "and seconds 0 to 59) or a sum such as 25m, 90s or 1h30m15s, "
                                  "from 1 second to 59:59:59.")
                   .arg(text)};
}

std::optional<QTime> parseAlarmTime(const QString& text, QString* error) {
    static const QRegularExpression time(
        QStringLiteral("^([0-9]{1,2}):([0-9]{2})(?: *([AaPp][Mm]))?$"));
    const QRegularExpressionMatch match = time.match(text.trimmed());
    int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    const QString half = match.captured(3).toUpper();
    bool valid = match.hasMatch() && minute < 60;
    if (half.isEmpty()) {
        valid = valid && hour < 24;
    } else {
        valid = valid && hour >= 1 && hour <= 12;
        hour = hour % 12 + (half == QLatin1String("PM") ? 12 : 0);
    }
    if (valid)
        return QTime(hour, minute);
    if (error)
        *error = QCoreApplication::translate(
                     "CommandLine", "'%1' is no time of day: write 7:30, 7:30 AM or 19:30.")
                     .arg(text);
    return std::nullopt;
}

QString lengthText(int seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

Command parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options come with one dash: "-platform" is one option, not seven.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    acceptQtOptions(parser);
    //: "Edit Time / Message" is the entry of the timer's menu: as it is translated there.
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Countdown timers with messages, one-click quick timers, a two-alarm "
                       "clock with snooze, a stopwatch and a big clock, in one small window.\n"
                       "To set a countdown, right-click its button and choose \"Edit Time / "
                       "Message\"; a click starts it."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    addOptions(parser);
    // Without an application object Qt cannot name the program itself.
    const QString usage = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                    QCoreApplication::applicationName());
    const Ahead ahead = readAhead(arguments);
    if (!parser.parse(ahead.arguments))
        // Qt's words end with their own full stop.
        return {Command::Kind::Error, parser.errorText()};
    if (!parser.positionalArguments().isEmpty()) {
        const QString unexpected = parser.positionalArguments().constFirst();
        return {Command::Kind::Error,
                QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                    .arg(unexpected)};
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return {Command::Kind::Help, usage};
    if (parser.isSet(version))
        return {Command::Kind::Version, QCoreApplication::applicationName() + u' ' +
                                            QCoreApplication::applicationVersion() + u'\n'};
    const Command actions = parseActions(parser, ahead.taken);
    if (actions.kind == Command::Kind::Error)
        return actions;
    return probe(parser, actions);
}

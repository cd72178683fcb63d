// SPDX-License-Identifier: GPL-3.0-or-later
#include "RemoteCommands.h"

#include "core/TimerNumbers.h"

#include <QCoreApplication>
#include <variant>

namespace {

using Act = Command::Act;

// The methods that take a timer's number and nothing else, their action
// and the highest number.
struct NumberMethod {
    const char* name;
    Act act;
    int last;
};
constexpr NumberMethod kNumbered[] = {
    {"StartTimer", Act::Start, timer::LastCountdown},
    {"StopTimer", Act::Stop, timer::LastCountdown},
    {"Again", Act::Again, timer::LastCountdown},
    {"StartQuick", Act::Quick, timer::QuickCount},
};
// And those that take nothing.
constexpr std::pair<const char*, Act> kBare[] = {
    {"SilenceAll", Act::Acknowledge},
    {"SnoozeAll", Act::Snooze},
    {"Show", Act::Show},
    {"Quit", Act::Quit},
};

// A rule broken: the command line's words.
CommandRunner::Answer invalid(const QString& error) {
    return {2, error};
}

// What a call asks: an action, or, with its status, what is wrong.
std::variant<Command::Action, CommandRunner::Answer> actionFor(const platform::Remote::Call& call) {
    const QString& method = call.method;
    const QVariantList& arguments = call.arguments;
    const QString number = arguments.value(0).toString();
    for (const auto& [name, act] : kBare) {
        if (method == QLatin1String(name))
            return Command::Action{act};
    }
    for (const NumberMethod& numbered : kNumbered) {
        if (method != QLatin1String(numbered.name))
            continue;
        const Parsed parsed = parseNumber(number, method, 1, numbered.last);
        if (!parsed.error.isEmpty())
            return invalid(parsed.error);
        return Command::Action{numbered.act, parsed.value};
    }
    if (method == QLatin1String("SetTimer")) {
        const Parsed parsed =
            parseNumber(number, method, timer::FirstCountdown, timer::LastCountdown);
        // The seconds as a sum of units, which the length's one rule reads.
        const Parsed length = parseLength(arguments.value(1).toString() + u's');
        if (!parsed.error.isEmpty() || !length.error.isEmpty())
            return invalid(parsed.error.isEmpty() ? length.error : parsed.error);
        Command::Action action{Act::Set, parsed.value, length.value};
        // An empty message keeps the one the timer has.
        if (const QString message = arguments.value(2).toString(); !message.isEmpty())
            action.message = message;
        return action;
    }
    if (method == QLatin1String("SetAlarm")) {
        const Parsed parsed = parseNumber(number, method, 1, 2);
        if (!parsed.error.isEmpty())
            return invalid(parsed.error);
        Command::Action action{Act::Alarm, parsed.value};
        action.on = arguments.value(2).toBool();
        // An empty time keeps the one the alarm has.
        if (const QString time = arguments.value(1).toString(); !time.isEmpty()) {
            QString error;
            action.time = parseAlarmTime(time, &error);
            if (!action.time)
                return invalid(error);
        }
        return action;
    }
    //: A D-Bus caller's error: %1 is the name of a method the program does not have.
    return CommandRunner::Answer{
        2, QCoreApplication::translate("RemoteCommands", "No method %1.").arg(method)};
}

} // namespace

RemoteCommands::RemoteCommands(CommandRunner& runner, const StateReport& report,
                               platform::Remote& remote, HandlerEntry enter)
    : runner_(runner)
    , report_(report)
    , remote_(remote) {
    remote_.listenForCalls([this, enter](const platform::Remote::Call& call,
                                         const platform::Instance::Reply& reply) {
        bool answered = false;
        const platform::Instance::Reply once = [&](const platform::Instance::Response& said) {
            answered = true;
            reply(said);
        };
        enter([&] { answer(call, once); });
        // A handler that failed before it answered still owes the caller
        // an answer.
        if (!answered)
            reply({1, QCoreApplication::translate("RemoteCommands",
                                                  "Quorbel could not do it; its log says why.")});
    });
}

RemoteCommands::~RemoteCommands() {
    remote_.listenForCalls({});
}

void RemoteCommands::answer(const platform::Remote::Call& call,
                            const platform::Instance::Reply& reply) {
    if (call.method == QLatin1String("Status")) {
        reply({0, QString::fromUtf8(report_.document())});
        return;
    }
    const auto action = actionFor(call);
    if (const auto* wrong = std::get_if<CommandRunner::Answer>(&action)) {
        reply(*wrong);
        return;
    }
    const Command::Action& act = std::get<Command::Action>(action);
    if (act.act == Act::Quit) {
        // Answered first: the question it may ask waits for the user, and
        // the caller need not.
        reply({});
        runner_.perform(act);
        return;
    }
    reply(runner_.perform(act));
}

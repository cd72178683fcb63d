// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandRunner.h"

#include "core/Convert.h"
#include "core/TimerNumbers.h"

#include <QCoreApplication>

CommandRunner::CommandRunner(Timers& timers, const AlarmClock& alarms, Features features,
                             platform::Instance& instance, HandlerEntry enter, QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , alarms_(alarms)
    , features_(features)
    , instance_(instance) {
    instance_.listenForStarts(
        [this, enter](const QStringList& arguments, platform::Instance::Reply reply) {
            bool done = false;
            enter([&] {
                run(arguments, true, reply);
                done = true;
            });
            // A handler that failed still owes the start an answer.
            if (!done && reply)
                reply({1, tr("The running copy could not do it; its log says why.") + u'\n'});
        });
}

CommandRunner::~CommandRunner() {
    instance_.listenForStarts({});
}

void CommandRunner::settingsLoaded() {
    loaded_ = true;
    for (const Waiting& command : std::exchange(waiting_, {}))
        runNow(command);
}

void CommandRunner::run(const QStringList& arguments, bool handedOver,
                        platform::Instance::Reply reply) {
    if (loaded_)
        runNow({arguments, handedOver, std::move(reply)});
    else
        waiting_.append({arguments, handedOver, std::move(reply)});
}

void CommandRunner::runNow(const Waiting& command) {
    const Command parsed = parseCommandLine(command.arguments);
    Answer all;
    if (parsed.kind == Command::Kind::Error) {
        all = {2, parsed.text + u'\n'};
    } else {
        QList<Command::Action> actions = parsed.actions;
        // A second start, with nothing to do, is for the window.
        if (command.handedOver && actions.isEmpty())
            actions.append({Command::Act::Show});
        for (const Command::Action& action : std::as_const(actions)) {
            const Answer answer = perform(action);
            all.status = qMax(all.status, answer.status);
            if (!answer.text.isEmpty())
                all.text += answer.text + u'\n';
        }
    }
    if (command.reply)
        command.reply(all);
}

CommandRunner::Answer CommandRunner::perform(const Command::Action& action) {
    using Act = Command::Act;
    // As a click on the timer's button would, when the timer is in the
    // state the action is for.
    const int n = action.act == Act::Quick ? timer::quickNumber(action.number) : action.number;
    const bool busy = timer::isTimer(n) && timers_.stateOf(n) != Timers::State::Idle;
    switch (action.act) {
    case Act::Show:
        emit showAsked();
        break;
    case Act::Quit:
        emit quitAsked();
        break;
    case Act::Autostart:
        emit autostartAsked(action.number == 1);
        break;
    case Act::Snooze:
        features_.alerts.snoozeAll();
        break;
    case Act::Acknowledge:
        features_.alerts.stopEveryAlert();
        break;
    case Act::Again:
        features_.alerts.againTimer(n);
        break;
    case Act::Set:
        return setTimer(action);
    case Act::Alarm:
        return setAlarm(action);
    case Act::Start:
    case Act::Quick:
    case Act::Stop:
        if (timer::isTimer(n) && busy == (action.act == Act::Stop))
            features_.alerts.toggleTimer(n);
        break;
    }
    return {};
}

CommandRunner::Answer CommandRunner::setTimer(const Command::Action& action) {
    const int n = action.number;
    if (!timer::isCountdown(n))
        return {2, tr("There is no countdown timer %1.").arg(n)};
    if (timers_.isRinging(n))
        return {1, tr("Timer %1 is ringing, and was not changed.").arg(n)};
    if (timers_.isRunning(n))
        return {1, tr("Timer %1 is running, and was not changed.").arg(n)};
    if (features_.editor.editing(n))
        return {1, tr("Timer %1 is open in the editor, and was not changed.").arg(n)};
    timers_.setLength(n, action.seconds, action.message);
    // A timer without a message of its own goes by its number alone.
    const QString label = timers_.label(n);
    const QString number = QString::number(n);
    if (label == QCoreApplication::translate("Timers", "Timer %1").arg(n))
        //: %2 is the length set (0:25:00).
        return {0, tr("Timer %1, %2").arg(number, lengthText(action.seconds))};
    //: %2 is the timer's message, %3 the length set (0:25:00).
    return {0, tr("Timer %1: %2, %3").arg(number, label, lengthText(action.seconds))};
}

CommandRunner::Answer CommandRunner::setAlarm(const Command::Action& action) {
    const int alarm = action.number;
    if (alarm != 1 && alarm != 2)
        return {2, tr("There is no alarm %1.").arg(alarm)};
    if (action.on)
        features_.alarmPanel.switchAlarm(alarm, *action.on);
    if (action.time)
        features_.alarmPanel.setAlarm(alarm, *action.time);
    const AlarmClock::Alarm& set = alarms_[alarm];
    // As its dial shows it, on the twelve-hour clock.
    const QString dial = QStringLiteral("%1:%2 %3")
                             .arg(hour12(set.time))
                             .arg(set.time.minute(), 2, 10, QLatin1Char('0'))
                             .arg(set.amPm);
    if (set.on)
        //: %2 is the alarm's time as its dial shows it (7:30 AM).
        return {0, tr("Alarm %1: %2, on").arg(QString::number(alarm), dial)};
    //: %2 is the alarm's time as its dial shows it (7:30 AM).
    return {0, tr("Alarm %1: %2, off").arg(QString::number(alarm), dial)};
}

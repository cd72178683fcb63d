// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotifier.h"

#include "core/Convert.h"
#include "core/Guard.h"
#include "core/TimerNumbers.h"
#include "models/AlertOptions.h"

#include <QCoreApplication>

namespace {

using Action = platform::Notifications::Action;
using Choice = platform::Notifications::Choice;

// The buttons' words, translated as a notification is made.
struct Offer {
    Action action;
    const char* text;
};
constexpr Offer kStop{Action::Stop, QT_TRANSLATE_NOOP("DesktopNotifier", "Stop")};
//: A notification's button: %1 is the snooze's length in minutes (5).
constexpr Offer kSnooze{Action::Snooze, QT_TRANSLATE_NOOP("DesktopNotifier", "Snooze %1 min")};
//: A notification's button: the timer runs its time again.
constexpr Offer kAgain{Action::Again, QT_TRANSLATE_NOOP("DesktopNotifier", "Again")};
//: What a click on the notification itself does, where the desktop names it.
constexpr Offer kShow{Action::Show, QT_TRANSLATE_NOOP("DesktopNotifier", "Show")};

QList<Choice> choices(std::initializer_list<Offer> offers) {
    QList<Choice> made;
    for (const Offer& offer : offers) {
        QString text = QCoreApplication::translate("DesktopNotifier", offer.text);
        made.append(
            {offer.action, offer.action == Action::Snooze ? text.arg(timer::SnoozeMinutes) : text});
    }
    return made;
}

// A timer's notification offers to stop it, to ring again after a snooze,
// or to run its time again; a click on it shows the window.
QList<Choice> timerActions() {
    return choices({kStop, kSnooze, kAgain, kShow});
}
QList<Choice> alarmActions() {
    return choices({kStop, kSnooze, kShow});
}

} // namespace

DesktopNotifier::DesktopNotifier(const Timers& timers, const AlarmClock& alarms,
                                 platform::Notifications& notifications, HandlerEntry enter,
                                 QObject* parent)
    : QObject(parent)
    , timers_(timers)
    , alarms_(alarms)
    , notifications_(notifications) {
    notifications_.listenForActions([this, enter](int key, Action action) {
        enter([this, key, action] { act(key, action); });
    });
}

DesktopNotifier::~DesktopNotifier() {
    notifications_.listenForActions({});
}

void DesktopNotifier::timerRang(int n) {
    //: %1 is the timer's set length (0:25:00).
    QString body = tr("Set for %1").arg(timers_.setTimeText(n));
    if (const QTime at = ranOutAt_.take(n); at.isValid())
        //: %1 is the timer's set length (0:25:00), %2 the time of day it ran out.
        body = tr("Set for %1, ran out at %2")
                   .arg(timers_.setTimeText(n), at.toString(QStringLiteral("HH:mm")));
    notifications_.notify(n, {timers_.label(n), body, timerActions()});
}

void DesktopNotifier::timerRanOutAt(int n, QTime at) {
    ranOutAt_.insert(n, at);
}

void DesktopNotifier::timerSnoozed(int n, QTime at) {
    notifications_.notify(
        n, {timers_.label(n),
            //: %1 is a time of day.
            tr("Snoozed: rings again at %1").arg(at.toString(QStringLiteral("HH:mm"))),
            choices({kShow}), false});
}

void DesktopNotifier::timerEndsSoon(int n, int minutes) {
    //: %1 is the timer's name (Timer 3, or its message).
    QString summary = tr("%1: 1 minute left");
    if (minutes != 1)
        //: %1 is the timer's name (Timer 3, or its message); %n, the minutes, is never 1.
        summary = tr("%1: %n minutes left", nullptr, minutes);
    notifications_.notify(
        n,
        {summary.arg(timers_.label(n)), tr("Set for %1").arg(timers_.setTimeText(n)), {}, false});
}

void DesktopNotifier::alarmRang(int alarm) {
    const QString time = timeToStr(alarms_[alarm].time).section(u':', 0, 1);
    notifications_.notify(
        AlertOptions::alarmKey(alarm),
        {tr("Alarm %1").arg(alarm), time + u' ' + alarms_[alarm].amPm, alarmActions()});
}

void DesktopNotifier::alarmMissed(int alarm, const QDateTime& at) {
    notifications_.notify(AlertOptions::alarmKey(alarm),
                          {tr("Alarm %1 missed").arg(alarm),
                           //: %1 is a time of day.
                           tr("It was due at %1").arg(at.toString(QStringLiteral("HH:mm"))),
                           {}});
}

void DesktopNotifier::timerAcknowledged(int n) {
    notifications_.withdraw(n);
}

void DesktopNotifier::alarmSwitchedOff(int alarm) {
    notifications_.withdraw(AlertOptions::alarmKey(alarm));
}

void DesktopNotifier::act(int key, Action action) {
    // The window comes with the user's click, the alert still ringing in it.
    if (action == Action::Show) {
        emit showAsked();
        return;
    }
    // Gone from the desktop whatever it finds: it was chosen there. What
    // the action does may tell the desktop more.
    notifications_.withdraw(key);
    // Its own alert only: a tea timer's Stop leaves tomorrow's alarm armed.
    const int alarm = key - AlertOptions::kAlarm;
    if (alarm == 1 || alarm == 2) {
        if (action == Action::Stop)
            emit alarmStopAsked(alarm);
        else if (action == Action::Snooze)
            emit alarmSnoozeAsked(alarm);
    } else if (timer::isTimer(key)) {
        if (action == Action::Stop)
            emit timerStopAsked(key);
        else if (action == Action::Snooze)
            emit timerSnoozeAsked(key);
        else if (action == Action::Again)
            emit timerAgainAsked(key);
    }
}

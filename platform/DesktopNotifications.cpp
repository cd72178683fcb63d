// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotifications.h"
#include "BusService.h"

#include "core/Log.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The actions' names on the bus.
struct ActionName {
    Notifications::Action action;
    QString id;
};
const ActionName kActions[] = {
    {Notifications::Action::Stop, QStringLiteral("stop")},
    {Notifications::Action::Snooze, QStringLiteral("snooze")},
    {Notifications::Action::Again, QStringLiteral("again")},
    // A click on the notification itself.
    {Notifications::Action::Show, QStringLiteral("default")},
};

QDBusMessage call(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

} // namespace

DesktopNotifications::DesktopNotifications(const QString& id)
    : id_(id) {}

bool DesktopNotifications::connected() {
    if (tried_)
        return connected_;
    tried_ = true;
    if (!sessionBusNamed())
        return false;
    QDBusConnection session = QDBusConnection::sessionBus();
    connected_ = session.isConnected();
    if (connected_) {
        watcher_ = new QDBusServiceWatcher(kService, session,
                                           QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString&, const QString&, const QString& after) {
                    serviceChanged(after);
                });
        // Each is tried whatever the others give; the tokens come just
        // before the action they go with, from services that have them.
        bool heard = session.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"),
                                     this, SLOT(actionInvoked(uint, QString, QDBusMessage)));
        heard &= session.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"),
                                 this, SLOT(notificationClosed(uint, uint, QDBusMessage)));
        heard &= session.connect(kService, kPath, kInterface, QStringLiteral("ActivationToken"),
                                 this, SLOT(activationToken(uint, QString, QDBusMessage)));
        if (!heard)
            qCWarning(lcQuorbel, "the notifications' answers will not be heard: %s",
                      qUtf8Printable(session.lastError().message()));
    }
    return connected_;
}

void DesktopNotifications::serviceChanged(const QString& after) {
    ++changes_;
    owner_ = after;
    // A name let go keeps its ids: the same connection may take it back,
    // still showing them.
    if (after.isEmpty())
        return;
    // Another connection: what the one before shows goes, and the alerts
    // that still ring are shown by the one that came. One on its way is
    // settled by its answer; a service started by the program's own
    // notification answers that one.
    for (const int key : shown_.keys()) {
        Shown& shown = shown_[key];
        if (shown.asked || shown.owner == after)
            continue;
        closeAt(shown.owner, shown.id);
        shown.id = 0;
        shown.owner.clear();
        send(key);
    }
}

void DesktopNotifications::notify(int key, const Notifications::Notice& notice) {
    if (!connected())
        return;
    Shown& shown = shown_[key];
    shown.notice = notice;
    shown.withdrawn = false;
    if (shown.asked) {
        shown.renewed = true;
        return;
    }
    send(key);
}

void DesktopNotifications::send(int key) {
    Shown& shown = shown_[key];
    const Notifications::Notice& notice = shown.notice;
    QDBusMessage message = call(QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(notice.urgent ? 2 : 1))},
        {QStringLiteral("desktop-entry"), id_}};
    QStringList actions;
    for (const Notifications::Choice& choice : notice.actions) {
        for (const ActionName& name : kActions) {
            if (name.action == choice.action)
                actions << name.id << choice.text;
        }
    }
    // Replaced in place only where it is shown. An alert never expires by
    // itself: it waits for the user.
    const uint replaces = !owner_.isEmpty() && shown.owner == owner_ ? shown.id : 0;
    message << QStringLiteral("Quorbel") << replaces << id_ << notice.summary << notice.body
            << actions << hints << (notice.urgent ? 0 : -1);
    shown.asked = true;
    shown.renewed = false;
    // However late the answer, it names a notification to keep or to close:
    // the bus's time-out would drop it.
    auto* answer = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(message, std::numeric_limits<int>::max()), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this,
            [this, key, changes = changes_](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                answered(key, changes, call->reply());
            });
}

void DesktopNotifications::answered(int key, int changes, const QDBusMessage& answer) {
    const bool given = answer.type() == QDBusMessage::ReplyMessage && !answer.arguments().isEmpty();
    if (!given)
        qCWarning(lcQuorbel, "the notification service refused a notification: %s",
                  qUtf8Printable(answer.errorMessage()));
    const uint id = given ? answer.arguments().constFirst().toUInt() : 0;
    const QString sender = answer.service();
    const auto shown = shown_.find(key);
    if (shown == shown_.end()) {
        // Closed on the desktop while its renewal was on the way.
        closeAt(sender, id);
        return;
    }
    shown->asked = false;
    if (given && (shown->owner != sender || shown->id != id)) {
        // A new notification: the one it had goes.
        closeAt(shown->owner, shown->id);
        shown->owner = sender;
        shown->id = id;
        displaceOthers(key);
    }
    if (given && changes == changes_)
        owner_ = sender;
    if (shown->withdrawn) {
        closeAt(shown->owner, shown->id);
        shown_.erase(shown);
    } else if (given && !owner_.isEmpty() && sender != owner_) {
        // Answered by a connection that has let the name go to another.
        closeAt(sender, id);
        shown->id = 0;
        shown->owner.clear();
        send(key);
    } else if (shown->renewed || (!given && changes != changes_ && !owner_.isEmpty())) {
        // Renewed meanwhile, or refused by a service that has gone since.
        send(key);
    }
}

void DesktopNotifications::displaceOthers(int key) {
    const Shown& shown = shown_[key];
    for (const int other : shown_.keys()) {
        Shown& taken = shown_[other];
        if (other == key || taken.id != shown.id || taken.owner != shown.owner)
            continue;
        taken.id = 0;
        taken.owner.clear();
        if (!taken.asked && !taken.displaced) {
            taken.displaced = true;
            send(other);
        }
    }
}

void DesktopNotifications::closeAt(const QString& owner, uint id) {
    if (id == 0 || owner.isEmpty())
        return;
    QDBusMessage message = QDBusMessage::createMethodCall(owner, kPath, kInterface,
                                                          QStringLiteral("CloseNotification"));
    message << id;
    QDBusConnection::sessionBus().asyncCall(message);
}

int DesktopNotifications::keyOf(uint id, const QString& owner) const {
    for (auto it = shown_.cbegin(); it != shown_.cend(); ++it) {
        if (id != 0 && it->id == id && it->owner == owner && !it->withdrawn)
            return it.key();
    }
    return -1;
}

void DesktopNotifications::withdraw(int key) {
    const auto shown = shown_.find(key);
    if (!connected_ || shown == shown_.end())
        return;
    if (shown->asked) {
        shown->withdrawn = true;
        return;
    }
    closeAt(shown->owner, shown->id);
    shown_.erase(shown);
}

void DesktopNotifications::withdrawAllNow(bool inExit) {
    if (!connected_)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDeadlineTimer deadline(500);
    // Those still on their way are waited for, together and briefly: one
    // left behind would ask for a Stop no one hears.
    const auto asked = [this] {
        return std::any_of(shown_.cbegin(), shown_.cend(), [](const Shown& s) { return s.asked; });
    };
    if (asked() && !inExit) {
        for (Shown& shown : shown_)
            shown.withdrawn = true;
        QEventLoop wait;
        QTimer::singleShot(deadline.remainingTime(), &wait, &QEventLoop::quit);
        QTimer poll;
        connect(&poll, &QTimer::timeout, &wait, [&] {
            if (!asked())
                wait.quit();
        });
        poll.start(10);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    for (const Shown& shown : std::as_const(shown_))
        closeAt(shown.owner, shown.id);
    shown_.clear();
    // The bus itself answers this one: once it has, every close before it
    // is on its way to the service, answer or not.
    if (!deadline.hasExpired()) {
        bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                QStringLiteral("/org/freedesktop/DBus"),
                                                QStringLiteral("org.freedesktop.DBus.Peer"),
                                                QStringLiteral("Ping")),
                 QDBus::Block, int(qMax<qint64>(1, deadline.remainingTime())));
    }
}

void DesktopNotifications::actionInvoked(uint id, const QString& action,
                                         const QDBusMessage& message) {
    const int key = keyOf(id, message.service());
    for (const ActionName& name : kActions) {
        if (key >= 0 && action == name.id)
            emit actionChosen(key, name.action);
    }
}

void DesktopNotifications::activationToken(uint id, const QString& token,
                                           const QDBusMessage& message) {
    if (keyOf(id, message.service()) >= 0)
        emit tokenGiven(token.toUtf8());
}

void DesktopNotifications::notificationClosed(uint id, uint, const QDBusMessage& message) {
    const int key = keyOf(id, message.service());
    if (key >= 0)
        shown_.remove(key);
}

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotifications.h"

#include "core/Log.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

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
    // Without an address the bus library would try to launch a bus of its
    // own, which is slow and outlives the program.
    const bool bus =
        qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") ||
        QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus"));
    if (!bus)
        return false;
    QDBusConnection session = QDBusConnection::sessionBus();
    connected_ = session.isConnected();
    if (connected_) {
        watcher_ = new QDBusServiceWatcher(kService, session,
                                           QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString&, const QString& before, const QString& after) {
                    serviceChanged(before, after);
                });
        // Each is tried whatever the others give; the tokens come just
        // before the action they go with, from services that have them.
        bool heard = session.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"),
                                     this, SLOT(actionInvoked(uint, QString)));
        heard &= session.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"),
                                 this, SLOT(notificationClosed(uint, uint)));
        heard &= session.connect(kService, kPath, kInterface, QStringLiteral("ActivationToken"),
                                 this, SLOT(activationToken(uint, QString)));
        if (!heard)
            qCWarning(lcQuorbel, "the notifications' answers will not be heard: %s",
                      qUtf8Printable(session.lastError().message()));
    }
    return connected_;
}

void DesktopNotifications::serviceChanged(const QString& before, const QString& after) {
    // A service that went: its ids, and its answers still to come, mean
    // nothing now.
    if (!before.isEmpty()) {
        ++service_;
        for (auto it = shown_.begin(); it != shown_.end();) {
            if (it->withdrawn) {
                it = shown_.erase(it);
                continue;
            }
            it->id = 0;
            it->asked = false;
            ++it;
        }
    }
    // The alerts that still ring, shown by the one that came; a service
    // started by the program's own notification answers that one.
    if (!after.isEmpty()) {
        for (const int key : shown_.keys()) {
            if (!shown_[key].asked)
                send(key);
        }
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
    // An alert never expires by itself: it waits for the user.
    message << QStringLiteral("Quorbel") << shown.id << id_ << notice.summary << notice.body
            << actions << hints << (notice.urgent ? 0 : -1);
    shown.asked = true;
    shown.renewed = false;
    auto* answer =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this,
            [this, key, service = service_](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                const QDBusPendingReply<uint> reply = *call;
                if (reply.isError())
                    qCWarning(lcQuorbel, "the notification service refused a notification: %s",
                              qUtf8Printable(reply.error().message()));
                if (service != service_)
                    return;
                const auto shown = shown_.find(key);
                if (shown == shown_.end()) {
                    // Closed on the desktop while its renewal was on the way.
                    if (!reply.isError())
                        close(reply.value());
                    return;
                }
                shown->asked = false;
                if (!reply.isError())
                    shown->id = reply.value();
                if (shown->withdrawn) {
                    close(shown->id);
                    shown_.erase(shown);
                } else if (shown->renewed) {
                    send(key);
                }
            });
}

void DesktopNotifications::close(uint id) {
    if (id == 0)
        return;
    QDBusMessage message = call(QStringLiteral("CloseNotification"));
    message << id;
    QDBusConnection::sessionBus().asyncCall(message);
}

int DesktopNotifications::keyOf(uint id) const {
    for (auto it = shown_.cbegin(); it != shown_.cend(); ++it) {
        if (id != 0 && it->id == id && !it->withdrawn)
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
    close(shown->id);
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
        close(shown.id);
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

void DesktopNotifications::actionInvoked(uint id, const QString& action) {
    const int key = keyOf(id);
    for (const ActionName& name : kActions) {
        if (key >= 0 && action == name.id)
            emit actionChosen(key, name.action);
    }
}

void DesktopNotifications::activationToken(uint id, const QString& token) {
    if (keyOf(id) >= 0)
        emit tokenGiven(token.toUtf8());
}

void DesktopNotifications::notificationClosed(uint id, uint) {
    const int key = keyOf(id);
    if (key >= 0)
        shown_.remove(key);
}

} // namespace platform

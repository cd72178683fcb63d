// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The actions' names on the bus, and what the user reads.
struct ActionName {
    Notifications::Action action;
    QString id;
    QString text;
};
const ActionName kActions[] = {
    {Notifications::Action::Stop, QStringLiteral("stop"), QStringLiteral("Stop")},
    {Notifications::Action::Snooze, QStringLiteral("snooze"), QStringLiteral("Snooze 5 min")},
    {Notifications::Action::Again, QStringLiteral("again"), QStringLiteral("Again")},
    // A click on the notification itself.
    {Notifications::Action::Show, QStringLiteral("default"), QStringLiteral("Show")},
};

QDBusMessage Call(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

} // namespace

DesktopNotifications::DesktopNotifications(const QString& id)
    : id_(id) {}

bool DesktopNotifications::Connected() {
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
        session.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                        SLOT(ActionInvoked(uint, QString)));
        session.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                        SLOT(NotificationClosed(uint, uint)));
        // Sent just before the action it goes with, by services that have
        // tokens to give.
        session.connect(kService, kPath, kInterface, QStringLiteral("ActivationToken"), this,
                        SLOT(ActivationToken(uint, QString)));
    }
    return connected_;
}

void DesktopNotifications::Notify(int key, const Notifications::Notice& notice) {
    if (!Connected())
        return;
    withdrawn_.remove(key);
    QDBusMessage message = Call(QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(notice.urgent ? 2 : 1))},
        {QStringLiteral("desktop-entry"), id_}};
    QStringList actions;
    for (const ActionName& name : kActions) {
        if (notice.actions.contains(name.action))
            actions << name.id << name.text;
    }
    // An alert never expires by itself: it waits for the user.
    message << QStringLiteral("Quorbel") << shown_.value(key, 0) << id_ << notice.summary
            << notice.body << actions << hints << (notice.urgent ? 0 : -1);
    auto* answer =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this,
            [this, key](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                const QDBusPendingReply<uint> reply = *call;
                if (reply.isError())
                    return;
                shown_.insert(key, reply.value());
                // Acknowledged before the service answered.
                if (withdrawn_.remove(key))
                    Withdraw(key);
            });
}

void DesktopNotifications::Withdraw(int key) {
    if (!connected_)
        return;
    const auto shown = shown_.constFind(key);
    if (shown == shown_.constEnd()) {
        withdrawn_.insert(key);
        return;
    }
    QDBusMessage message = Call(QStringLiteral("CloseNotification"));
    message << *shown;
    shown_.erase(shown);
    QDBusConnection::sessionBus().asyncCall(message);
}

void DesktopNotifications::WithdrawAllNow() {
    if (!connected_)
        return;
    for (const uint id : std::as_const(shown_)) {
        QDBusMessage message = Call(QStringLiteral("CloseNotification"));
        message << id;
        QDBusConnection::sessionBus().call(message, QDBus::Block, 500);
    }
    shown_.clear();
}

void DesktopNotifications::ActionInvoked(uint id, const QString& action) {
    const int key = shown_.key(id, -1);
    for (const ActionName& name : kActions) {
        if (key >= 0 && action == name.id && onAction)
            onAction(key, name.action);
    }
}

void DesktopNotifications::ActivationToken(uint id, const QString& token) {
    if (shown_.key(id, -1) >= 0 && onActivationToken)
        onActivationToken(token.toUtf8());
}

void DesktopNotifications::NotificationClosed(uint id, uint) {
    const int key = shown_.key(id, -1);
    if (key >= 0)
        shown_.remove(key);
}

} // namespace platform

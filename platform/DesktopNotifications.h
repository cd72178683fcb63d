// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop notifications through the freedesktop notification service on
// the session bus. Every call is asynchronous: without a service, or a
// bus, nothing happens and nothing waits.
#pragma once

#include "Platform.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <functional>

namespace platform {

class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    // The menu entry's id, which names the program's icon too.
    explicit DesktopNotifications(const QString& id);

    void Notify(int key, const Notifications::Notice& notice);
    void Withdraw(int key);
    // Takes back every notification still shown and waits, a moment at
    // most, until the service has them: the program is ending.
    void WithdrawAllNow();
    std::function<void(int key, Notifications::Action action)> onAction;
    // The token a service hands over with an action, to bring the program
    // forward with the user's click.
    std::function<void(const QByteArray& token)> onActivationToken;

private slots:
    void ActionInvoked(uint id, const QString& action);
    void ActivationToken(uint id, const QString& token);
    void NotificationClosed(uint id, uint reason);

private:
    // Connects at the first notification, if the session has a bus.
    bool Connected();

    QString id_;
    bool tried_ = false;
    bool connected_ = false;
    // The service's id of each key's notification, once it answered.
    QHash<int, uint> shown_;
    // Keys withdrawn while their notification was still on its way.
    QSet<int> withdrawn_;
};

} // namespace platform

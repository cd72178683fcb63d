// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop notifications through the freedesktop notification service on
// the session bus. Every call is asynchronous: without a service, or a
// bus, nothing happens and nothing waits. Each key has one notification:
// a renewal sent before the service named the first waits for its name and
// replaces it, and a service that restarts is shown again what still rings.
#pragma once

#include "Platform.h"

#include <QHash>
#include <QObject>
#include <functional>

class QDBusServiceWatcher;

namespace platform {

class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    // The menu entry's id, which names the program's icon too.
    explicit DesktopNotifications(const QString& id);

    void notify(int key, const Notifications::Notice& notice);
    void withdraw(int key);
    // Takes back every notification still shown within one short wait,
    // however many there are and whether or not the service answers: the
    // program is ending. From inside exit(), where no event may run, those
    // the service has not named yet stay.
    void withdrawAllNow(bool inExit = false);
signals:
    void actionChosen(int key, platform::Notifications::Action action);
    // The token a service hands over with an action, to bring the program
    // forward with the user's click.
    void tokenGiven(const QByteArray& token);

private slots:
    void actionInvoked(uint id, const QString& action);
    void activationToken(uint id, const QString& token);
    void notificationClosed(uint id, uint reason);

private:
    struct Shown {
        Notifications::Notice notice;
        // The service's id for it, once it answered; 0 before.
        uint id = 0;
        // A Notify is on its way; a renewal meanwhile waits for its answer.
        bool asked = false;
        bool renewed = false;
        // Taken back while on its way: closed as soon as it has an id.
        bool withdrawn = false;
    };
    // Connects at the first notification, if the session has a bus.
    bool connected();
    void send(int key);
    void close(uint id);
    int keyOf(uint id) const;
    // The service changed hands: its ids mean nothing now.
    void serviceChanged(const QString& before, const QString& after);

    QString id_;
    bool tried_ = false;
    bool connected_ = false;
    QHash<int, Shown> shown_;
    // Counts the services that answered; an answer from one gone is dropped.
    int service_ = 0;
    QDBusServiceWatcher* watcher_ = nullptr;
};

} // namespace platform

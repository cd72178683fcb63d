// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop notifications through the freedesktop notification service on
// the session bus. Every call is asynchronous: without a service, or a
// bus, nothing happens and nothing waits. Each key has one notification:
// a renewal sent before the service named the first waits for its name and
// replaces it, an answer however late is heard, and a service that
// restarts is shown again what still rings. An id means something only to
// the connection that gave it, which is asked to close it.
#pragma once

#include "Platform.h"

#include <QDBusMessage>
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
    // The message tells which connection sent the signal.
    void actionInvoked(uint id, const QString& action, const QDBusMessage& message);
    void activationToken(uint id, const QString& token, const QDBusMessage& message);
    void notificationClosed(uint id, uint reason, const QDBusMessage& message);

private:
    struct Shown {
        Notifications::Notice notice;
        // The service's id for it and the connection that gave it, once it
        // answered; 0 before.
        uint id = 0;
        QString owner;
        // A Notify is on its way; a renewal meanwhile waits for its answer.
        bool asked = false;
        bool renewed = false;
        // Taken back while on its way: closed as soon as it has an id.
        bool withdrawn = false;
        // Its id was handed to another alert too, and it was shown anew.
        bool displaced = false;
    };
    // Connects at the first notification, if the session has a bus.
    bool connected();
    void send(int key);
    void answered(int key, int changes, const QDBusMessage& answer);
    // The service gave this id, which another alert held, to key: the other
    // is shown anew, once, so that each keeps a notification of its own.
    void displaceOthers(int key);
    void closeAt(const QString& owner, uint id);
    int keyOf(uint id, const QString& owner) const;
    // The service changed hands: another connection's ids mean nothing to it.
    void serviceChanged(const QString& after);

    QString id_;
    bool tried_ = false;
    bool connected_ = false;
    QHash<int, Shown> shown_;
    // The connection that holds the service's name as last heard, and how
    // often the name changed hands.
    QString owner_;
    int changes_ = 0;
    QDBusServiceWatcher* watcher_ = nullptr;
};

} // namespace platform

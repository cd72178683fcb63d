// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop portal's global shortcuts: a session under a fixed token, the
// shortcuts named in its creation (where KDE Plasma 5 binds them) and bound
// through the portal only when the session does not hold them all (so a
// desktop that asks the user at each bind asks once), and the presses of
// the session's own. Nothing waits on the portal: each step goes on when
// its answer comes, if it comes.
#pragma once

#include "Platform.h"

#include <QDBusMessage>
#include <QHash>
#include <QObject>
#include <QSet>

class QDBusServiceWatcher;

namespace platform {

class PortalShortcuts : public QObject {
    Q_OBJECT
public:
    PortalShortcuts(const QList<Shortcuts::Shortcut>& shortcuts,
                    std::function<void(const QString& id)> pressed);

    // Looks for the portal, now and whenever its name gets a new owner.
    void begin();

signals:
    // The token a press came with, to bring the window forward.
    void tokenGiven(const QByteArray& token);

private slots:
    void answered(const QDBusMessage& response);
    void activated(const QDBusMessage& signal);
    void closed(const QDBusMessage& signal);

private:
    // The program in its own unit first, so that the portal files the keys
    // under the same id however the program started.
    void approach(bool startPortal);
    void askVersion(bool startPortal);
    void openSession(const QString& owner);
    void listHeld();
    void bindMissing(const QSet<QString>& held);
    // A portal method answered through a Request: then hears the results
    // of a Response that says the request succeeded.
    void ask(const QString& method, QVariantList arguments,
             std::function<void(const QVariantMap& results)> then);
    void forgetSession();

    QList<Shortcuts::Shortcut> shortcuts_;
    std::function<void(const QString& id)> pressed_;
    QDBusServiceWatcher* watcher_ = nullptr;
    bool scoped_ = false;
    // The portal's connection the session was opened with: one session for
    // each, whatever woke the look.
    QString owner_;
    QString session_;
    int requests_ = 0;
    // The Requests' paths, and what each answer goes on to.
    QHash<QString, std::function<void(const QVariantMap&)>> waiting_;
};

} // namespace platform

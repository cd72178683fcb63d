// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing a window forward on a Wayland desktop, where no program may take
// the keyboard on its own: the compositor grants it for an activation token
// (xdg-activation). A token the desktop handed over with a user's click
// (a notification's action, a launcher's start, the tray) carries that
// click; one the program asks for itself carries none, and the compositor
// turns it into what it shows for a window that wants the user: urgency,
// "demands attention", a "… is ready" notice.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

class QWindow;

namespace platform {

class WaylandActivation {
public:
    explicit WaylandActivation(QString appId);

    // Whether the program draws its own windows on a Wayland compositor.
    static bool native();

    // A token the desktop handed over with a user's action; the next
    // activation uses it while it is fresh.
    void offer(const QByteArray& token);
    // Asks the compositor to activate the window; one just shown from
    // hidden once the compositor has put it on screen.
    void activate(QWindow* window, bool justShown);

private:
    void activateShown(QWindow* window);
    // A token of the program's own, on a connection of its own; empty where
    // the compositor gives none.
    QByteArray requestToken() const;

    QString appId_;
    // What the program's own start was given.
    QByteArray startToken_;
    QByteArray offered_;
    QElapsedTimer offeredAge_;
};

} // namespace platform

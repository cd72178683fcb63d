// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's power daemon (KDE's) wakes a sleeping machine at a moment
// a user program asks for over the session bus, and calls the program
// back once it has. The way left where the kernel will not give the
// program an alarm clock of its own.
#pragma once

#include <QObject>
#include <functional>
#include <optional>

namespace platform {

class PowerDaemonWake : public QObject {
    Q_OBJECT
    // The interface and method the daemon calls back on; their names are
    // the daemon's.
    Q_CLASSINFO("D-Bus Interface", "org.kde.PowerManagement")
public:
    // woke hears the daemon's call at the wake.
    explicit PowerDaemonWake(std::function<void()> woke);
    // Asks for a wake at that moment of the wall clock (0: none), in place
    // of the one asked for before; answer hears whether the daemon agreed.
    void wakeAt(qint64 wallMs, std::function<void(bool wakes)> answer);

public slots:
    Q_SCRIPTABLE void wakeupCallback(int cookie);

private:
    void clearWake(uint cookie);

    std::function<void()> woke_;
    // What the daemon answered the last request with, and which request
    // that was: an answer to an older one is withdrawn when it comes.
    std::optional<uint> cookie_;
    qint64 cookieFor_ = 0;
    int asked_ = 0;
    bool exported_ = false;
};

} // namespace platform

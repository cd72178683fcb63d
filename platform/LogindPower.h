// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's sleep and idle through logind on the system bus: a delay
// inhibitor held while the program listens, so that a sleep waits until
// the program has heard of it, and an idle inhibitor while an alert rings.
// Without a system bus or logind every call does nothing, at once.
#pragma once

#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <functional>

namespace platform {

class LogindPower : public QObject {
    Q_OBJECT
public:
    void listen(std::function<void(bool sleeping)> listener);
    void keepAwake(bool awake);
    // Another part of the desktop says the machine woke.
    void woke();

private slots:
    void prepareForSleep(bool sleeping);

private:
    // Asks for an inhibitor without waiting; the answer lands in where.
    void inhibit(const QString& what, const QString& why, const QString& mode,
                 QDBusUnixFileDescriptor* where);

    std::function<void(bool)> listener_;
    bool connected_ = false;
    QDBusUnixFileDescriptor sleepDelay_;
    QDBusUnixFileDescriptor idleBlock_;
    bool awake_ = false;
};

} // namespace platform

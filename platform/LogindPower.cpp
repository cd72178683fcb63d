// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogindPower.h"

#include "core/Log.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");

} // namespace

void LogindPower::listen(std::function<void(bool sleeping)> listener) {
    listener_ = std::move(listener);
    if (!listener_) {
        sleepDelay_ = {};
        return;
    }
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    if (!connected_) {
        connected_ = bus.connect(kService, kPath, kManager, QStringLiteral("PrepareForSleep"), this,
                                 SLOT(prepareForSleep(bool)));
        if (!connected_)
            qCWarning(lcQuorbel, "logind's sleep will not be heard: %s",
                      qUtf8Printable(bus.lastError().message()));
    }
    //: Why the program holds the machine's sleep back a moment, as the desktop lists it.
    inhibit(QStringLiteral("sleep"), tr("Keeping the running timers on disk"),
            QStringLiteral("delay"), &sleepDelay_);
}

void LogindPower::prepareForSleep(bool sleeping) {
    if (listener_)
        listener_(sleeping);
    // Heard: the sleep may go on. Awake again, the next one waits too.
    if (sleeping)
        sleepDelay_ = {};
    else if (listener_)
        //: Why the program holds the machine's sleep back a moment, as the desktop lists it.
        inhibit(QStringLiteral("sleep"), tr("Keeping the running timers on disk"),
                QStringLiteral("delay"), &sleepDelay_);
}

void LogindPower::woke() {
    if (listener_)
        listener_(false);
}

void LogindPower::keepAwake(bool awake) {
    if (awake == awake_)
        return;
    awake_ = awake;
    if (!awake) {
        idleBlock_ = {};
        return;
    }
    if (QDBusConnection::systemBus().isConnected())
        //: Why the program keeps the screen from going idle, as the desktop lists it.
        inhibit(QStringLiteral("idle"), tr("A timer rings"), QStringLiteral("block"), &idleBlock_);
}

void LogindPower::inhibit(const QString& what, const QString& why, const QString& mode,
                          QDBusUnixFileDescriptor* where) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kManager, QStringLiteral("Inhibit"));
    call << what << QStringLiteral("Quorbel") << why << mode;
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, where, what](QDBusPendingCallWatcher*) {
                watcher->deleteLater();
                const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *watcher;
                if (reply.isError())
                    qCWarning(lcQuorbel, "logind refused to hold back %s: %s", qUtf8Printable(what),
                              qUtf8Printable(reply.error().message()));
                // An idle block no longer wanted by the time it came is let go.
                if (reply.isValid() && (what != QLatin1String("idle") || awake_))
                    *where = reply.value();
            });
}

} // namespace platform

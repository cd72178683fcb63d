// SPDX-License-Identifier: GPL-3.0-or-later
#include "PowerDaemonWake.h"

#include "core/Log.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace platform {

namespace {

const QString kDaemon = QStringLiteral("org.kde.Solid.PowerManagement");
const QString kDaemonPath = QStringLiteral("/org/kde/Solid/PowerManagement");
// Where the daemon finds the program at the wake.
const QString kCallbackPath = QStringLiteral("/org/quorbel/Wake");

QDBusMessage daemonCall(const QString& method) {
    return QDBusMessage::createMethodCall(kDaemon, kDaemonPath, kDaemon, method);
}

} // namespace

PowerDaemonWake::PowerDaemonWake(std::function<void()> woke)
    : woke_(std::move(woke)) {}

void PowerDaemonWake::wakeAt(qint64 wallMs, std::function<void(bool wakes)> answer) {
    if (cookie_ && cookieFor_ == wallMs) {
        answer(true);
        return;
    }
    ++asked_;
    if (cookie_)
        clearWake(*std::exchange(cookie_, std::nullopt));
    if (wallMs <= 0) {
        answer(true);
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        answer(false);
        return;
    }
    if (!exported_)
        exported_ = bus.registerObject(kCallbackPath, this, QDBusConnection::ExportScriptableSlots);
    QDBusMessage call = daemonCall(QStringLiteral("scheduleWakeup"));
    // Whole seconds, rounded up: the daemon may not wake the machine early.
    call << bus.baseService() << QVariant::fromValue(QDBusObjectPath(kCallbackPath))
         << qulonglong((wallMs + 999) / 1000);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, wallMs, asked = asked_, answer = std::move(answer)] {
                watcher->deleteLater();
                const QDBusPendingReply<uint> reply = *watcher;
                // A desktop without the power daemon is no fault.
                if (reply.isError() && reply.error().type() != QDBusError::ServiceUnknown)
                    qCWarning(lcQuorbel, "the power daemon will not wake the machine: %s",
                              qUtf8Printable(reply.error().message()));
                if (asked != asked_) {
                    if (reply.isValid())
                        clearWake(reply.value());
                    return;
                }
                if (reply.isValid()) {
                    cookie_ = reply.value();
                    cookieFor_ = wallMs;
                }
                answer(reply.isValid());
            });
}

void PowerDaemonWake::clearWake(uint cookie) {
    QDBusMessage call = daemonCall(QStringLiteral("clearWakeup"));
    call << int(cookie);
    QDBusConnection::sessionBus().asyncCall(call);
}

void PowerDaemonWake::wakeupCallback(int cookie) {
    if (cookie_ && int(*cookie_) == cookie) {
        cookie_.reset();
        if (woke_)
            woke_();
    }
}

} // namespace platform

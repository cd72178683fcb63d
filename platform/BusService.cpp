// SPDX-License-Identifier: GPL-3.0-or-later
#include "BusService.h"
#include "QtPlatform.h"
#include "QuorbelAdaptor.h"

#include "core/Log.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFileInfo>

namespace platform {

namespace {

const QString kName = QStringLiteral("org.quorbel.Quorbel");
const QString kPath = QStringLiteral("/org/quorbel/Quorbel");
const QString kErrors = QStringLiteral("org.quorbel.Quorbel1.Error.");

} // namespace

bool sessionBusNamed() {
    return qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") ||
           QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus"));
}

BusService::BusService()
    : adaptor_(new Quorbel1Adaptor(this)) {}

bool BusService::claim() {
    // A session without a bus is no fault: the program is not on it.
    if (!sessionBusNamed())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCWarning(lcQuorbel, "the session bus cannot be reached: %s",
                  qUtf8Printable(bus.lastError().message()));
        return false;
    }
    if (!bus.registerObject(kPath, this)) {
        qCWarning(lcQuorbel, "the program's object cannot go on the session bus: %s",
                  qUtf8Printable(bus.lastError().message()));
        return false;
    }
    // Queued behind a copy on other settings that has it: the name comes
    // to this one when that copy ends, and the bus says so.
    connect(bus.interface(), &QDBusConnectionInterface::serviceRegistered, this,
            [this](const QString& name) { owned_ = owned_ || name == kName; });
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> taken =
        bus.interface()->registerService(kName, QDBusConnectionInterface::QueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!taken.isValid()) {
        qCWarning(lcQuorbel, "%s cannot be taken on the session bus: %s", qUtf8Printable(kName),
                  qUtf8Printable(taken.error().message()));
        bus.unregisterObject(kPath);
        return false;
    }
    owned_ = owned_ || taken.value() == QDBusConnectionInterface::ServiceRegistered;
    // Expected beside an installed copy: said, not warned of.
    if (!owned_)
        qCInfo(lcQuorbel,
               "%s on the session bus belongs to another copy of the program, on other "
               "settings; this one runs without it until that copy ends, and D-Bus calls go "
               "to the other",
               qUtf8Printable(kName));
    return true;
}

void BusService::broadcastChange() {
    // Only the name's owner speaks for the program.
    if (owned_)
        emit adaptor_->Changed();
}

void BusService::pass(const QString& method, const QVariantList& arguments, bool answersText) {
    setDelayedReply(true);
    const Instance::Reply reply = [bus = connection(), call = message(),
                                   answersText](const Instance::Response& answer) mutable {
        if (answer.status == 0)
            bus.send(answersText ? call.createReply(answer.text) : call.createReply());
        else
            bus.send(call.createErrorReply(kErrors + (answer.status == 2
                                                          ? QStringLiteral("InvalidArgument")
                                                          : QStringLiteral("Refused")),
                                           answer.text));
    };
    emit called({method, arguments}, reply);
}

void BusService::SetTimer(uint number, uint seconds, const QString& message) {
    pass(QStringLiteral("SetTimer"), {number, seconds, message});
}

void BusService::StartTimer(uint number) {
    pass(QStringLiteral("StartTimer"), {number});
}

void BusService::StopTimer(uint number) {
    pass(QStringLiteral("StopTimer"), {number});
}

void BusService::StartQuick(uint number) {
    pass(QStringLiteral("StartQuick"), {number});
}

void BusService::Again(uint number) {
    pass(QStringLiteral("Again"), {number});
}

void BusService::SetAlarm(uint number, const QString& time, bool on) {
    pass(QStringLiteral("SetAlarm"), {number, time, on});
}

void BusService::SilenceAll() {
    pass(QStringLiteral("SilenceAll"));
}

void BusService::SnoozeAll() {
    pass(QStringLiteral("SnoozeAll"));
}

void BusService::Show(const QVariantMap& platformData) {
    // Offered before the window is asked for, which then uses it.
    const QString token = platformData.value(QStringLiteral("activation-token")).toString();
    if (!token.isEmpty())
        emit tokenGiven(token.toUtf8());
    pass(QStringLiteral("Show"));
}

void BusService::Quit() {
    pass(QStringLiteral("Quit"));
}

QString BusService::Status() {
    pass(QStringLiteral("Status"), {}, true);
    return {};
}

// The real desktop's door on the bus.

void QtPlatform::listenForCalls(std::function<void(const Call&, Instance::Reply)> listener) {
    callListener_ = std::move(listener);
}

void QtPlatform::claimName() {
    if (bus_)
        return;
    bus_ = new BusService;
    QObject::connect(bus_, &BusService::tokenGiven, bus_,
                     [this](const QByteArray& token) { activation_.offer(token); });
    QObject::connect(
        bus_, &BusService::called, bus_, [this](const Call& call, const Instance::Reply& reply) {
            if (callListener_)
                callListener_(call, reply);
            else
                //: A D-Bus caller's answer while the program quits.
                reply({1, QCoreApplication::translate("QtPlatform", "Quorbel is ending.")});
        });
    if (!bus_->claim()) {
        delete bus_;
        bus_ = nullptr;
    }
}

void QtPlatform::broadcastChange() {
    if (bus_)
        bus_->broadcastChange();
}

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "OwnScope.h"

#include "core/Log.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include <unistd.h>

namespace platform {

namespace {

// A unit's property as the service manager takes it, (sv).
struct UnitProperty {
    QString name;
    QDBusVariant value;
};
// The properties of units made beside it, a(sa(sv)): none here.
struct AuxiliaryUnit {
    QString name;
    QList<UnitProperty> properties;
};

QDBusArgument& operator<<(QDBusArgument& out, const UnitProperty& property) {
    out.beginStructure();
    out << property.name << property.value;
    out.endStructure();
    return out;
}
const QDBusArgument& operator>>(const QDBusArgument& in, UnitProperty& property) {
    in.beginStructure();
    in >> property.name >> property.value;
    in.endStructure();
    return in;
}
QDBusArgument& operator<<(QDBusArgument& out, const AuxiliaryUnit& unit) {
    out.beginStructure();
    out << unit.name << unit.properties;
    out.endStructure();
    return out;
}
const QDBusArgument& operator>>(const QDBusArgument& in, AuxiliaryUnit& unit) {
    in.beginStructure();
    in >> unit.name >> unit.properties;
    in.endStructure();
    return in;
}

// The unit the process runs in, the last part of its cgroup; empty where
// the system names none.
QString currentUnit() {
    QFile file(QStringLiteral("/proc/self/cgroup"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The unified hierarchy's line ("0::/…"), else systemd's own.
    QString unit;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(':');
        if (fields.size() < 3)
            continue;
        const bool unified = fields[0] == "0" && fields[1].isEmpty();
        if (unified || fields[1] == "name=systemd") {
            unit = QString::fromUtf8(fields.mid(2).join(':')).section(u'/', -1);
            if (unified)
                break;
        }
    }
    return unit;
}

// Whether a unit's name gives appId by the desktops' rule for the units
// they start programs in: app-[LAUNCHER-]ID-RANDOM.scope or
// app-[LAUNCHER-]ID[@RANDOM].service.
bool unitNamesApp(const QString& unit, const QString& appId) {
    const QString id = QRegularExpression::escape(appId);
    const QRegularExpression named(
        QStringLiteral("^app-(?:[[:alnum:]]+-)?%1(?:-[[:alnum:]]+\\.scope|(?:@[^.]*)?\\.service)$")
            .arg(id));
    return named.match(unit).hasMatch();
}

// The manager moves the process once the call's job runs, a moment after
// it answers: looked for this often, this many times.
constexpr int kLookEveryMs = 20;
constexpr int kLooks = 50;

void awaitUnit(const QString& unit, QObject* context, std::function<void()> then, int looks) {
    const bool there = currentUnit() == unit;
    if (there || looks <= 0) {
        if (!there)
            qCDebug(lcQuorbel, "the program is not in %s as asked", qUtf8Printable(unit));
        then();
        return;
    }
    QTimer::singleShot(kLookEveryMs, context, [unit, context, then = std::move(then), looks] {
        awaitUnit(unit, context, then, looks - 1);
    });
}

} // namespace

} // namespace platform

Q_DECLARE_METATYPE(platform::UnitProperty)
Q_DECLARE_METATYPE(platform::AuxiliaryUnit)

namespace platform {

void enterOwnScope(const QString& appId, QObject* context, std::function<void()> then) {
    const auto later = [context, then] { QTimer::singleShot(0, context, then); };
    const QString current = currentUnit();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (unitNamesApp(current, appId) || !bus.isConnected()) {
        later();
        return;
    }
    qDBusRegisterMetaType<UnitProperty>();
    qDBusRegisterMetaType<QList<UnitProperty>>();
    qDBusRegisterMetaType<AuxiliaryUnit>();
    qDBusRegisterMetaType<QList<AuxiliaryUnit>>();
    const uint pid = static_cast<uint>(::getpid());
    const QString unit = QStringLiteral("app-%1-%2.scope").arg(appId).arg(pid);
    QDBusMessage start = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.systemd1"), QStringLiteral("/org/freedesktop/systemd1"),
        QStringLiteral("org.freedesktop.systemd1.Manager"), QStringLiteral("StartTransientUnit"));
    const QList<UnitProperty> properties{
        {QStringLiteral("PIDs"), QDBusVariant(QVariant::fromValue(QList<uint>{pid}))},
        {QStringLiteral("Slice"), QDBusVariant(QStringLiteral("app.slice"))},
        {QStringLiteral("Description"), QDBusVariant(QStringLiteral("Quorbel"))},
        // A scope that failed does not stay behind under the name.
        {QStringLiteral("CollectMode"), QDBusVariant(QStringLiteral("inactive-or-failed"))},
    };
    start << unit << QStringLiteral("fail") << QVariant::fromValue(properties)
          << QVariant::fromValue(QList<AuxiliaryUnit>{});
    // A session without a service manager of the user's is no fault.
    start.setAutoStartService(false);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(start), context);
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, context,
        [watcher, unit, current, context, then] {
            watcher->deleteLater();
            if (watcher->isError()) {
                qCDebug(lcQuorbel, "the program stays in %s: %s",
                        qUtf8Printable(current.isEmpty() ? QStringLiteral("no unit") : current),
                        qUtf8Printable(watcher->error().message()));
                then();
                return;
            }
            awaitUnit(unit, context, then, kLooks);
        });
}

} // namespace platform

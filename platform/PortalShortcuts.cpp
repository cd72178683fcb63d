// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortalShortcuts.h"
#include "BusService.h"
#include "OwnScope.h"
#include "QtPlatform.h"

#include "core/Log.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>

#include <algorithm>

namespace platform {

namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kSession = QStringLiteral("org.freedesktop.portal.Session");
// What the portal knows the program by: the unit's id, and the session's
// token, which the desktop joins into the name it files the keys under.
// Neither may change between runs, or the keys stay with the old name.
const QString kAppId = QStringLiteral("org.quorbel.Quorbel");
const QString kSessionToken = QStringLiteral("quorbel");

} // namespace

// A shortcut as the portal takes it, (sa{sv}).
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& out, const PortalShortcut& shortcut) {
    out.beginStructure();
    out << shortcut.id << shortcut.properties;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, PortalShortcut& shortcut) {
    in.beginStructure();
    in >> shortcut.id >> shortcut.properties;
    in.endStructure();
    return in;
}

} // namespace platform

Q_DECLARE_METATYPE(platform::PortalShortcut)

namespace platform {

namespace {

QList<PortalShortcut> portalShortcuts(const QList<Shortcuts::Shortcut>& shortcuts) {
    QList<PortalShortcut> listed;
    for (const Shortcuts::Shortcut& shortcut : shortcuts)
        listed.append({shortcut.id, {{QStringLiteral("description"), shortcut.description}}});
    return listed;
}

// A path the portal gives as an object path or, as some do, a string.
QString pathIn(const QVariant& value) {
    if (value.canConvert<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

// The desktops whose portal has global shortcuts: there the portal may be
// started for them. Elsewhere one already running is used, none started.
bool desktopOffersShortcuts() {
    const QStringList desktops =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts);
    return desktops.contains(QStringLiteral("KDE"), Qt::CaseInsensitive) ||
           desktops.contains(QStringLiteral("GNOME"), Qt::CaseInsensitive);
}

} // namespace

PortalShortcuts::PortalShortcuts(const QList<Shortcuts::Shortcut>& shortcuts,
                                 std::function<void(const QString& id)> pressed)
    : shortcuts_(shortcuts)
    , pressed_(std::move(pressed)) {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
}

void PortalShortcuts::begin() {
    if (!sessionBusNamed())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    watcher_ =
        new QDBusServiceWatcher(kPortal, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& after) {
                // A restart: the old session went with the old portal.
                forgetSession();
                if (!after.isEmpty() && after != owner_)
                    approach(false);
            });
    bus.connect(kPortal, kPortalPath, kInterface, QStringLiteral("Activated"), this,
                SLOT(activated(QDBusMessage)));
    approach(desktopOffersShortcuts());
}

void PortalShortcuts::approach(bool startPortal) {
    if (startPortal) {
        askVersion(true);
        return;
    }
    // Asked of the bus, not of the portal: whether one runs.
    QDBusMessage running = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    running << kPortal;
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(running), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        if (!watcher->isError() && watcher->reply().arguments().value(0).toBool())
            askVersion(false);
        else
            qCDebug(lcQuorbel, "no desktop portal runs: no global shortcuts");
    });
}

void PortalShortcuts::askVersion(bool startPortal) {
    if (!scoped_) {
        scoped_ = true;
        enterOwnScope(kAppId, this, [this, startPortal] { askVersion(startPortal); });
        return;
    }
    QDBusMessage version = QDBusMessage::createMethodCall(
        kPortal, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    version << kInterface << QStringLiteral("version");
    version.setAutoStartService(startPortal);
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(version), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        if (watcher->isError()) {
            qCDebug(lcQuorbel, "the desktop portal offers no global shortcuts: %s",
                    qUtf8Printable(watcher->error().message()));
            return;
        }
        openSession(watcher->reply().service());
    });
}

void PortalShortcuts::openSession(const QString& owner) {
    if (owner == owner_)
        return;
    owner_ = owner;
    forgetSession();
    const QVariantMap options{
        {QStringLiteral("session_handle_token"), kSessionToken},
        // Where KDE Plasma 5 takes them, which the portal passes on.
        {QStringLiteral("shortcuts"), QVariant::fromValue(portalShortcuts(shortcuts_))},
    };
    ask(QStringLiteral("CreateSession"), {options}, [this](const QVariantMap& results) {
        session_ = pathIn(results.value(QStringLiteral("session_handle")));
        QDBusConnection::sessionBus().connect(kPortal, session_, kSession, QStringLiteral("Closed"),
                                              this, SLOT(closed(QDBusMessage)));
        listHeld();
    });
}

void PortalShortcuts::listHeld() {
    ask(QStringLiteral("ListShortcuts"), {QVariant::fromValue(QDBusObjectPath(session_)), {}},
        [this](const QVariantMap& results) {
            QList<PortalShortcut> listed;
            const QVariant held = results.value(QStringLiteral("shortcuts"));
            if (held.canConvert<QDBusArgument>())
                held.value<QDBusArgument>() >> listed;
            QSet<QString> ids;
            for (const PortalShortcut& shortcut : std::as_const(listed))
                ids.insert(shortcut.id);
            bindMissing(ids);
        });
}

void PortalShortcuts::bindMissing(const QSet<QString>& held) {
    bool all = true;
    for (const Shortcuts::Shortcut& shortcut : std::as_const(shortcuts_))
        all = all && held.contains(shortcut.id);
    if (all) {
        qCDebug(lcQuorbel, "the desktop holds the global shortcuts");
        return;
    }
    ask(QStringLiteral("BindShortcuts"),
        {QVariant::fromValue(QDBusObjectPath(session_)),
         QVariant::fromValue(portalShortcuts(shortcuts_)), QString(), QVariantMap()},
        [](const QVariantMap&) { qCDebug(lcQuorbel, "the global shortcuts are bound"); });
}

void PortalShortcuts::ask(const QString& method, QVariantList arguments,
                          std::function<void(const QVariantMap&)> then) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString token = QStringLiteral("quorbel%1").arg(++requests_);
    // The last argument is the options, where the Request's token goes.
    QVariantMap options = arguments.takeLast().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    // The Response may come before the call's answer: heard from before.
    QString sender = bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    const QString path = QStringLiteral("%1/request/%2/%3").arg(kPortalPath, sender, token);
    waiting_.insert(path, std::move(then));
    bus.connect(kPortal, path, kRequest, QStringLiteral("Response"), this,
                SLOT(answered(QDBusMessage)));
    QDBusMessage call = QDBusMessage::createMethodCall(kPortal, kPortalPath, kInterface, method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, method, path] {
        watcher->deleteLater();
        if (!watcher->isError())
            return;
        qCDebug(lcQuorbel, "the desktop portal's %s failed: %s", qUtf8Printable(method),
                qUtf8Printable(watcher->error().message()));
        waiting_.remove(path);
        QDBusConnection::sessionBus().disconnect(kPortal, path, kRequest,
                                                 QStringLiteral("Response"), this,
                                                 SLOT(answered(QDBusMessage)));
    });
}

void PortalShortcuts::answered(const QDBusMessage& response) {
    const QString path = response.path();
    QDBusConnection::sessionBus().disconnect(kPortal, path, kRequest, QStringLiteral("Response"),
                                             this, SLOT(answered(QDBusMessage)));
    const auto then = waiting_.take(path);
    const QVariantList arguments = response.arguments();
    if (!then || arguments.size() < 2)
        return;
    if (const uint code = arguments[0].toUInt(); code != 0) {
        qCDebug(lcQuorbel, "the desktop portal turned a request down (%u)", code);
        return;
    }
    then(qdbus_cast<QVariantMap>(arguments[1]));
}

void PortalShortcuts::activated(const QDBusMessage& signal) {
    const QVariantList arguments = signal.arguments();
    if (session_.isEmpty() || arguments.size() < 4 || pathIn(arguments[0]) != session_)
        return;
    const QString id = arguments[1].toString();
    const bool ours = std::any_of(shortcuts_.cbegin(), shortcuts_.cend(),
                                  [&id](const Shortcuts::Shortcut& s) { return s.id == id; });
    if (!ours) {
        qCDebug(lcQuorbel, "the desktop pressed a shortcut the program has not: %s",
                qUtf8Printable(id));
        return;
    }
    const QString token =
        qdbus_cast<QVariantMap>(arguments[3]).value(QStringLiteral("activation_token")).toString();
    if (!token.isEmpty())
        emit tokenGiven(token.toUtf8());
    pressed_(id);
}

void PortalShortcuts::closed(const QDBusMessage& signal) {
    if (signal.path() == session_) {
        qCDebug(lcQuorbel, "the desktop portal closed the shortcuts' session");
        forgetSession();
    }
}

void PortalShortcuts::forgetSession() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    for (auto waiting = waiting_.cbegin(); waiting != waiting_.cend(); ++waiting)
        bus.disconnect(kPortal, waiting.key(), kRequest, QStringLiteral("Response"), this,
                       SLOT(answered(QDBusMessage)));
    waiting_.clear();
    if (!session_.isEmpty())
        bus.disconnect(kPortal, session_, kSession, QStringLiteral("Closed"), this,
                       SLOT(closed(QDBusMessage)));
    session_.clear();
}

// The real desktop's shortcuts.

void QtPlatform::offerShortcuts(const QList<Shortcut>& shortcuts,
                                std::function<void(const QString& id)> pressed) {
    if (portalShortcuts_)
        return;
    portalShortcuts_ = new PortalShortcuts(shortcuts, std::move(pressed));
    QObject::connect(portalShortcuts_, &PortalShortcuts::tokenGiven, portalShortcuts_,
                     [this](const QByteArray& token) { activation_.offer(token); });
    portalShortcuts_->begin();
}

} // namespace platform

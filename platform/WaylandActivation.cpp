// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaylandActivation.h"
#include "Resolve.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLibrary>
#include <QPointer>
#include <QWindow>

#include <wayland-client-core.h>

#include <functional>
#include <utility>

namespace platform {

namespace {

// A token is good for a click's moment: one handed over long before is no
// longer the user's wish, and compositors let tokens expire.
constexpr qint64 kFreshMs = 10000;
// A window shown a moment ago is activated once the compositor has it on
// screen; one that never gets there is not waited for.
constexpr int kLongestWaitForScreenMs = 3000;

// The two interfaces of xdg-activation-v1 as the protocol describes them.
// Written here rather than generated, so that libwayland-client is loaded
// only by a program that runs on Wayland, and only at its first activation.
const wl_interface* kNoTypes[] = {nullptr, nullptr};
extern const wl_interface kTokenInterface;
const wl_interface* kNewTokenTypes[] = {&kTokenInterface};
const wl_message kActivationRequests[] = {
    {"destroy", "", kNoTypes},
    {"get_activation_token", "n", kNewTokenTypes},
    {"activate", "so", kNoTypes},
};
const wl_interface kActivationInterface = {"xdg_activation_v1", 1, 3,
                                           kActivationRequests, 0, nullptr};
const wl_message kTokenRequests[] = {
    {"set_serial", "uo", kNoTypes}, {"set_app_id", "s", kNoTypes}, {"set_surface", "o", kNoTypes},
    {"commit", "", kNoTypes},       {"destroy", "", kNoTypes},
};
const wl_message kTokenEvents[] = {{"done", "s", kNoTypes}};
const wl_interface kTokenInterface = {
    "xdg_activation_token_v1", 1, 5, kTokenRequests, 1, kTokenEvents};
enum ActivationRequest : uint32_t { ActivationDestroy, GetActivationToken };
enum TokenRequest : uint32_t { SetAppId = 1, Commit = 3, TokenDestroy = 4 };
constexpr uint32_t kGetRegistry = 1;
constexpr uint32_t kBind = 0;

// The few calls of libwayland-client this needs.
struct WaylandClient {
    QLibrary library{QStringLiteral("wayland-client"), 0};
    decltype(&wl_display_connect) connect = nullptr;
    decltype(&wl_display_disconnect) disconnect = nullptr;
    decltype(&wl_display_roundtrip) roundtrip = nullptr;
    decltype(&wl_proxy_marshal_flags) marshal = nullptr;
    decltype(&wl_proxy_add_listener) addListener = nullptr;
    decltype(&wl_proxy_destroy) destroy = nullptr;
    const wl_interface* registryInterface = nullptr;

    WaylandClient() {
        resolve(library, connect, "wl_display_connect");
        resolve(library, disconnect, "wl_display_disconnect");
        resolve(library, roundtrip, "wl_display_roundtrip");
        resolve(library, marshal, "wl_proxy_marshal_flags");
        resolve(library, addListener, "wl_proxy_add_listener");
        resolve(library, destroy, "wl_proxy_destroy");
        resolve(library, registryInterface, "wl_registry_interface");
    }
    bool usable() const {
        return connect && disconnect && roundtrip && marshal && addListener && destroy &&
               registryInterface;
    }
};

// What the registry and the token tell, as their listeners hear it.
struct Heard {
    uint32_t activationName = 0;
    QByteArray token;
    bool done = false;
};

void global(void* data, wl_proxy*, uint32_t name, const char* interface, uint32_t) {
    if (qstrcmp(interface, kActivationInterface.name) == 0)
        static_cast<Heard*>(data)->activationName = name;
}
void globalRemoved(void*, wl_proxy*, uint32_t) {}
void done(void* data, wl_proxy*, const char* token) {
    auto* heard = static_cast<Heard*>(data);
    heard->token = token;
    heard->done = true;
}
using GlobalFunction = void (*)(void*, wl_proxy*, uint32_t, const char*, uint32_t);
using RemovedFunction = void (*)(void*, wl_proxy*, uint32_t);
using DoneFunction = void (*)(void*, wl_proxy*, const char*);
const struct {
    GlobalFunction global;
    RemovedFunction removed;
} kRegistryListener{global, globalRemoved};
const struct { DoneFunction done; } kTokenListener{done};

WaylandClient& client() {
    static WaylandClient client;
    return client;
}

// Activates a window once the compositor has put it on screen.
class WhenExposed : public QObject {
public:
    WhenExposed(QWindow* window, std::function<void()> then)
        : QObject(window)
        , then_(std::move(then)) {
        window->installEventFilter(this);
        startTimer(kLongestWaitForScreenMs);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            deleteLater();
            watched->removeEventFilter(this);
            if (then_)
                std::exchange(then_, nullptr)();
        }
        return false;
    }
    void timerEvent(QTimerEvent*) override { deleteLater(); }

private:
    std::function<void()> then_;
};

} // namespace

WaylandActivation::WaylandActivation(QString appId)
    : appId_(std::move(appId))
    , startToken_(qgetenv("XDG_ACTIVATION_TOKEN")) {
    // The launcher's token is for the start, not for a ring hours later.
    offer(startToken_);
}

bool WaylandActivation::native() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void WaylandActivation::offer(const QByteArray& token) {
    offered_ = token;
    offeredAge_.start();
}

void WaylandActivation::activate(QWindow* window, bool justShown) {
    if (!window)
        return;
    // A surface the compositor has not mapped yet cannot be activated. One
    // minimised or covered is mapped, though it may not be exposed.
    if (!justShown || window->isExposed()) {
        activateShown(window);
        return;
    }
    QPointer<QWindow> shown(window);
    new WhenExposed(window, [this, shown] {
        if (shown)
            activateShown(shown);
    });
}

void WaylandActivation::activateShown(QWindow* window) {
    // Qt asks for a token of its own, carrying the user's last input, while
    // one of the program's windows has the keyboard; it takes a token given
    // in XDG_ACTIVATION_TOKEN before that, as the tray's is given.
    QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    if (token == startToken_)
        token.clear();
    if (token.isEmpty() && !offered_.isEmpty() && offeredAge_.elapsed() < kFreshMs)
        token = offered_;
    offered_.clear();
    if (token.isEmpty() && !QGuiApplication::focusWindow())
        token = requestToken();
    if (!token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token);
    window->requestActivate();
    // Not left for the programs the schedule starts.
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

QByteArray WaylandActivation::requestToken() const {
    WaylandClient& wayland = client();
    if (!wayland.usable())
        return {};
    wl_display* display = wayland.connect(nullptr);
    if (!display)
        return {};
    auto* displayProxy = reinterpret_cast<wl_proxy*>(display);
    Heard heard;
    wl_proxy* registry =
        wayland.marshal(displayProxy, kGetRegistry, wayland.registryInterface, 1, 0, nullptr);
    wayland.addListener(registry,
                        reinterpret_cast<void (**)()>(
                            const_cast<void*>(static_cast<const void*>(&kRegistryListener))),
                        &heard);
    wayland.roundtrip(display);
    if (heard.activationName) {
        wl_proxy* activation =
            wayland.marshal(registry, kBind, &kActivationInterface, 1, 0, heard.activationName,
                            kActivationInterface.name, 1u, nullptr);
        wl_proxy* token =
            wayland.marshal(activation, GetActivationToken, &kTokenInterface, 1, 0, nullptr);
        wayland.addListener(token,
                            reinterpret_cast<void (**)()>(
                                const_cast<void*>(static_cast<const void*>(&kTokenListener))),
                            &heard);
        wayland.marshal(token, SetAppId, nullptr, 1, 0, appId_.toUtf8().constData());
        wayland.marshal(token, Commit, nullptr, 1, 0);
        // Compositors answer a commit at once; a roundtrip or two has it.
        for (int round = 0; round < 3 && !heard.done; ++round) {
            if (wayland.roundtrip(display) < 0)
                break;
        }
        wayland.marshal(token, TokenDestroy, nullptr, 1, WL_MARSHAL_FLAG_DESTROY);
        wayland.marshal(activation, ActivationDestroy, nullptr, 1, WL_MARSHAL_FLAG_DESTROY);
    }
    wayland.destroy(registry);
    wayland.roundtrip(display);
    wayland.disconnect(display);
    return heard.token;
}

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
// The platform as the real desktop gives it, through Qt on X11 or Wayland and the
// Linux system underneath. Each concern has a source file of its own.
#pragma once

#include "LogindPower.h"
#include "Platform.h"
#include "PowerDaemonWake.h"
#include "SingleInstance.h"
#include "TonePlayer.h"
#include "WaylandActivation.h"

#include <QHash>
#include <functional>
#include <memory>

class QObject;
class QSystemTrayIcon;

namespace platform {
class BusService;
class DesktopNotifications;
class PortalShortcuts;
} // namespace platform

namespace platform {

// Call before the application object exists: settles which windowing
// system the program runs on.
void prepareEnvironment();
// A reader of the program's output that goes away (a panel bar that ends)
// is a failed write, not a signal that ends the program.
void ignoreBrokenPipes();
// Where the program's output is a pipe, gone is called once its reader
// goes, also while nothing is written: a watcher whose panel bar ended
// does not linger.
void whenOutputUnread(QObject* context, std::function<void()> gone);
// The folder of the running program behind every link, the user's home,
// and where the user's programs keep their settings ($XDG_CONFIG_HOME, or
// ~/.config); none needs the application object. A folder the environment
// names counts only when it is absolute.
QString executableFolder();
QString homeFolder();
QString userConfigHome();

// Opens the display as the application object does, or ends the program
// with one clear line when there is none to open.
class DisplayCheck {
public:
    DisplayCheck();
    ~DisplayCheck();
};

// The autostart entry that starts the program at that path in the
// background, quoted as the Desktop Entry rules quote an argument; empty
// when GLib's launcher and systemd's autostart generator would not both
// start the program at that path from it.
QByteArray autostartEntryText(const QByteArray& program);

class QtPlatform final : public Desktop {
public:
    // Call once the application object exists, with the claim this copy
    // made on its settings folder.
    explicit QtPlatform(std::unique_ptr<SingleInstance> instance);
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;
    ~QtPlatform() override;

    QTime timeOfDay() const override;
    qint64 wallMs() const override;
    QString bootId() const override;
    qint64 sinceBoot() override;
    void after(int milliseconds, QObject* context, std::function<void()> then) override;
    void listenForClockSet(std::function<void()> set) override;

    QPoint pos() const override;
    void setPos(QPoint pos) override;
    bool leftButtonDown() const override;

    QRect primary() const override;
    QRect virtualDesktop() const override;

    Answer ask(Kind kind, const QString& title, const QString& text, Button pointer) override;
    void tell(const QString& title, const QString& text) override;

    QString executableDir() const override;
    QString configHome() const override;
    bool replace(const QString& path, const QByteArray& bytes) override;
    bool rename(const QString& from, const QString& to) override;
    bool remove(const QString& path) override;

    int width(const QFont& font, const QString& text) const override;
    void loadFonts(bool bitmapFaces) override;

    void setStayOnTop(QWidget* window, bool onTop) override;
    void startMove(QWidget* window) override;
    void show(QWidget* window) override;
    void raise(QWidget* window) override;
    void alert(QWidget* window) override;

    void play(const QString& path) override;
    void playTone(const Tone& tone, std::function<void()> unplayable) override;
    void stopTone(Channel channel) override;
    QString themeSoundFile(const QString& name) override;

    bool add(const QIcon& icon, const QString& tip) override;
    void modify(const QIcon& icon, const QString& tip) override;
    void removeIcon() override;
    void setMenu(QMenu* menu) override;
    void listen(Listener listener) override;

    QList<RunningProcess> snapshot() override;
    qint64 self() override;
    void terminate(qint64 pid) override;
    void kill(qint64 pid) override;

    Launchable find(const QString& file) override;
    void launch(const QString& path) override;

    void listenForEnd(std::function<void()> save, std::function<void()> end) override;

    void listenForStarts(std::function<void(const QStringList&, Reply)> listener) override;
    void answerProbes(std::function<QByteArray()> state) override;
    void announceChange() override;

    void listenForCalls(std::function<void(const Call&, Instance::Reply)> listener) override;
    void claimName() override;
    void broadcastChange() override;

    void offerShortcuts(const QList<Shortcut>& shortcuts,
                        std::function<void(const QString& id)> pressed) override;

    void notify(int key, const Notice& notice) override;
    void withdraw(int key) override;
    void listenForActions(std::function<void(int key, Action action)> listener) override;

    void listenForSleep(std::function<void(bool sleeping)> listener) override;
    void keepAwake(bool awake) override;
    void wakeAt(qint64 wallMs, std::function<void(bool wakes)> answer) override;

    bool startsWithDesktop() const override;
    Change setStartsWithDesktop(bool on) override;

private:
    // Found once, at start: a folder renamed or deleted while the program
    // runs is not followed, nor replaced by the current one.
    QString executableDir_;

    // Hears the signals that end the program, the display's loss and the
    // session's logout; set up at the first listener.
    void watchForEnd();
    // SIGTERM, SIGHUP and SIGINT.
    void watchEndSignals();
    // The display's loss ends the program through exit(): what must
    // survive is saved there.
    static void atExit();

    std::function<void()> saveListener_;
    std::function<void()> endListener_;
    // Owns what listens for the end; nullptr until the first listener.
    QObject* endWatch_ = nullptr;
    DesktopNotifications* notifications_ = nullptr;
    // On the session bus once the program is ready; nullptr before, and
    // where it is not.
    BusService* bus_ = nullptr;
    std::function<void(const Call&, Instance::Reply)> callListener_;
    // The desktop portal's shortcuts, once offered.
    PortalShortcuts* portalShortcuts_ = nullptr;
    std::unique_ptr<SingleInstance> instance_;
    // Tokens the desktop handed over, and the program's own, on Wayland.
    WaylandActivation activation_;
    std::function<void(int key, Action action)> actionListener_;
    // logind, reached at the first listener or alert.
    std::unique_ptr<LogindPower> power_;
    // An alarm clock of the kernel's that wakes the machine; -1 until the
    // first moment, or where the system does not let the program have one.
    int wakeTimer_ = -1;
    bool wakeRefused_ = false;
    // Where it is not: the desktop's power daemon, asked at the first moment.
    std::unique_ptr<PowerDaemonWake> daemonWake_;
    LogindPower& logindPower();
    bool armWakeTimer(qint64 wallMs);

    // A kernel timer that the wall clock's setting cancels; -1 until the
    // first listener.
    int clockSetTimer_ = -1;
    QObject* clockSetWatch_ = nullptr;
    std::function<void()> clockSet_;
    void armClockSetTimer();

    bool fontsLoaded_ = false;
    // Qt speaks StatusNotifierItem or the XEmbed tray, whichever the
    // desktop offers.
    QSystemTrayIcon* trayIcon_ = nullptr;
    QMenu* trayMenu_ = nullptr;
    Listener trayListener_;

    // The processes of the last snapshot, and a handle on each asked to end.
    QList<RunningProcess> lastSnapshot_;
    QHash<qint64, int> ending_;

    // The desktop's sound service, opened at the first sound.
    struct SoundService;
    SoundService* sound_ = nullptr;
    // The alert's channel and the cue's, made at their first tone.
    std::unique_ptr<TonePlayer> tones_[2];
    void closeSound();
};

} // namespace platform

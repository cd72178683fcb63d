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
#include <memory>

class QObject;
class QSystemTrayIcon;

namespace platform {
class DesktopNotifications;
} // namespace platform

namespace platform {

// Call before the application object exists: settles which windowing
// system the program runs on.
void PrepareEnvironment();
// The folder of the running program behind every link, the user's home,
// and where the user's programs keep their settings ($XDG_CONFIG_HOME, or
// ~/.config); none needs the application object. A folder the environment
// names counts only when it is absolute.
QString ExecutableFolder();
QString HomeFolder();
QString UserConfigHome();

// Opens the display as the application object does, or ends the program
// with one clear line when there is none to open.
class DisplayCheck {
public:
    DisplayCheck();
    ~DisplayCheck();
};

// The autostart entry that starts the program at that path in the
// background, quoted as the Desktop Entry rules quote an argument; empty
// when no entry can hold the path.
QByteArray AutostartEntryText(const QByteArray& program);

class QtPlatform final : public Desktop {
public:
    // Call once the application object exists, with the claim this copy
    // made on its settings folder.
    explicit QtPlatform(std::unique_ptr<SingleInstance> instance);
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;
    ~QtPlatform() override;

    QTime TimeOfDay() const override;
    qint64 WallMs() const override;
    QString BootId() const override;
    qint64 SinceBoot() override;
    void After(int milliseconds, QObject* context, std::function<void()> then) override;
    void ListenForClockSet(std::function<void()> set) override;

    QPoint Pos() const override;
    void SetPos(QPoint pos) override;
    bool LeftButtonDown() const override;

    QRect Primary() const override;
    QRect VirtualDesktop() const override;

    Answer Ask(Kind kind, const QString& title, const QString& text, Button pointer) override;
    void Tell(const QString& title, const QString& text) override;

    QString ExecutableDir() const override;
    QString ConfigHome() const override;
    bool Replace(const QString& path, const QByteArray& bytes) override;
    bool Rename(const QString& from, const QString& to) override;
    bool Remove(const QString& path) override;

    int Width(const QFont& font, const QString& text) const override;
    void LoadFonts(bool bitmapFaces) override;

    void SetStayOnTop(QWidget* window, bool onTop) override;
    void StartMove(QWidget* window) override;
    void Show(QWidget* window) override;
    void Raise(QWidget* window) override;
    void Alert(QWidget* window) override;

    void Play(const QString& path) override;
    void PlayTone(const Tone& tone, std::function<void()> unplayable) override;
    void StopTone(Channel channel) override;
    QString ThemeSoundFile(const QString& name) override;

    bool Add(const QIcon& icon, const QString& tip) override;
    void Modify(const QIcon& icon, const QString& tip) override;
    void Delete() override;
    void SetMenu(QMenu* menu) override;
    void Listen(Listener listener) override;

    QList<RunningProcess> Snapshot() override;
    qint64 Self() override;
    void Terminate(qint64 pid) override;
    void Kill(qint64 pid) override;

    Launchable Find(const QString& file) override;
    void Open(const QString& path) override;

    void ListenForEnd(std::function<void()> save, std::function<void()> end) override;

    void ListenForStarts(std::function<void(const QStringList&)> listener) override;

    void Notify(int key, const Notice& notice) override;
    void Withdraw(int key) override;
    void ListenForActions(std::function<void(int key, Action action)> listener) override;

    void ListenForSleep(std::function<void(bool sleeping)> listener) override;
    void KeepAwake(bool awake) override;
    void WakeAt(qint64 wallMs, std::function<void(bool wakes)> answer) override;

    bool StartsWithDesktop() const override;
    Change SetStartsWithDesktop(bool on) override;

private:
    // Found once, at start: a folder renamed or deleted while the program
    // runs is not followed, nor replaced by the current one.
    QString executableDir_;

    // Hears the signals that end the program, the display's loss and the
    // session's logout; set up at the first listener.
    void WatchForEnd();
    // SIGTERM, SIGHUP and SIGINT.
    void WatchEndSignals();
    // The display's loss ends the program through exit(): what must
    // survive is saved there.
    static void AtExit();

    std::function<void()> saveListener_;
    std::function<void()> endListener_;
    // Owns what listens for the end; nullptr until the first listener.
    QObject* endWatch_ = nullptr;
    DesktopNotifications* notifications_ = nullptr;
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
    LogindPower& Power();
    bool ArmWakeTimer(qint64 wallMs);

    // A kernel timer that the wall clock's setting cancels; -1 until the
    // first listener.
    int clockSetTimer_ = -1;
    QObject* clockSetWatch_ = nullptr;
    std::function<void()> clockSet_;
    void ArmClockSetTimer();

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
    void CloseSound();
};

} // namespace platform

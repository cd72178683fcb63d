// SPDX-License-Identifier: GPL-3.0-or-later
// A desktop for tests: a clock the test sets, a pointer that records where
// the program put it, questions answered from a script.
#pragma once

#include "Platform.h"

#include <QDateTime>
#include <QIcon>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <functional>

namespace platform {

class FakePlatform final : public Desktop {
public:
    QTime TimeOfDay() const override { return time; }
    qint64 WallMs() const override { return QDateTime(date, time).toMSecsSinceEpoch(); }
    QString BootId() const override { return bootId; }
    // A clock that stands until the test moves it: a tick moves it a
    // second, Stall() any longer gap.
    qint64 SinceBoot() override { return boot; }
    void Stall(int milliseconds) { boot += milliseconds; }
    void ListenForClockSet(std::function<void()> set) override { clockSet = std::move(set); }
    // Kept until the test lets the time pass.
    void After(int milliseconds, QObject* context, std::function<void()> then) override;
    // Runs, in order, everything that falls due in that many milliseconds.
    void Pass(int milliseconds);

    QPoint Pos() const override { return pointer; }
    void SetPos(QPoint pos) override;
    bool LeftButtonDown() const override { return leftDown; }

    QRect Primary() const override { return primary; }
    QRect VirtualDesktop() const override { return desktop; }

    // Takes the next scripted answer; with none left the box counts as closed.
    // Ended from the system while it was open, the default answer.
    Answer Ask(Kind kind, const QString& title, const QString& text, Button pointer) override;
    void Tell(const QString& title, const QString& text) override {
        told.append(title + u'|' + text);
    }
    // A request to end from the system, as a signal brings it.
    void EndFromSystem() {
        endRequested = true;
        if (endListener)
            endListener();
    }

    QString ExecutableDir() const override { return executableDir; }
    QString ConfigHome() const override { return configHome; }
    // Writes the file for real, unless the disk is set to fill up.
    bool Replace(const QString& path, const QByteArray& bytes) override;
    bool Rename(const QString& from, const QString& to) override;
    bool Remove(const QString& path) override;

    // Six pixels a character, close to the design font's digits.
    int Width(const QFont&, const QString& text) const override { return 6 * int(text.size()); }
    void LoadFonts(bool) override {}

    void SetStayOnTop(QWidget* window, bool onTop) override;
    void StartMove(QWidget* window) override;
    // Both bring a minimised window back, as the real desktop does; Raise
    // also counts.
    void Show(QWidget* window) override;
    void Raise(QWidget* window) override;
    // Shows as Show does, and counts.
    void Alert(QWidget* window) override;

    // Records the files played, with the folder the real player opens.
    void Play(const QString& path) override;
    // Records the tones, by channel, and whether each channel was stopped
    // since; a path in unplayable is heard as such at once.
    void PlayTone(const Tone& tone, std::function<void()> unplayable) override {
        tones.append(tone);
        toneStopped[int(tone.channel)] = false;
        if (unplayable && unplayableTones.contains(tone.path))
            unplayable();
    }
    void StopTone(Channel channel) override { toneStopped[int(channel)] = true; }
    QString ThemeSoundFile(const QString& name) override {
        return QStringLiteral("/themes/%1.oga").arg(name);
    }

    // A notification area that keeps what it is sent.
    bool Add(const QIcon& icon, const QString& tip) override;
    void Modify(const QIcon& icon, const QString& tip) override;
    void Delete() override;
    void SetMenu(QMenu* menu) override { trayMenu = menu; }
    void Listen(Listener listener) override { trayListener = std::move(listener); }
    // The mouse on the icon: a press and a release of one button. A right
    // one opens the menu, as a notification area does.
    void ClickTray(Qt::MouseButton button);

    // A process table the test fills; "terminate", "kill", "after" (a wait
    // begun) and "open" are recorded in order in events.
    QList<RunningProcess> Snapshot() override;
    qint64 Self() override { return self; }
    void Terminate(qint64 pid) override;
    void Kill(qint64 pid) override;
    // Files as the test lays them out; any other exists as itself, unless
    // every file is missing.
    Launchable Find(const QString& file) override;
    void Open(const QString& path) override;

    // The machine's sleep, as the test tells it.
    void ListenForSleep(std::function<void(bool sleeping)> listener) override {
        sleepListener = std::move(listener);
    }
    void KeepAwake(bool awake) override { keptAwake = awake; }
    void WakeAt(qint64 wallMs, std::function<void(bool wakes)> answer) override {
        wakeAt = wallMs;
        answer(canWake || wallMs == 0);
    }
    bool StartsWithDesktop() const override { return startsWithDesktop; }
    Change SetStartsWithDesktop(bool on) override {
        if (autostartChange == Change::Done)
            startsWithDesktop = on;
        return autostartChange;
    }

    // A later start is handed in by the test.
    void ListenForStarts(std::function<void(const QStringList&)> listener) override {
        startListener = std::move(listener);
    }

    // A notification area of the desktop's that keeps what it is told.
    void Notify(int key, const Notice& notice) override {
        notifications[key] = notice.summary + u'|' + notice.body;
        notificationActions[key] = notice.actions;
    }
    void Withdraw(int key) override { notifications.remove(key); }
    void ListenForActions(std::function<void(int key, Action action)> listener) override {
        actionListener = std::move(listener);
    }

    void ListenForEnd(std::function<void()> save, std::function<void()> end) override {
        saveListener = std::move(save);
        endListener = std::move(end);
    }

    struct Question {
        Kind kind;
        QString title;
        QString text;
        Button pointer;
    };

    QTime time{12, 0, 0};
    QDate date{2026, 12, 7};
    QString bootId = QStringLiteral("fake-boot");
    std::function<void(bool)> sleepListener;
    std::function<void()> clockSet;
    bool keptAwake = false;
    qint64 wakeAt = 0;
    bool canWake = true;
    bool startsWithDesktop = false;
    Change autostartChange = Change::Done;
    qint64 boot = 0;
    QPoint pointer;
    QList<QPoint> pointerMoves;
    bool leftDown = false;
    QRect primary{0, 0, 1280, 1024};
    QRect desktop{0, 0, 1280, 1024};
    QList<Answer> answers;
    QList<Question> asked;
    QStringList told;
    bool endRequested = false;
    // Called while a question is open, as the nested event loop of a real box
    // would let other things happen.
    std::function<void()> whileAsking;
    QString executableDir;
    // A settings home that no one can make, root included, unless a test
    // gives one.
    QString configHome = QStringLiteral("/proc/nonexistent/.config");
    // A disk that is full after this many more bytes; -1 for room enough.
    qint64 bytesFree = -1;
    bool onTop = false;
    int onTopChanges = 0;
    int moves = 0;
    int raises = 0;
    int alerts = 0;
    QStringList played;
    QList<Tone> tones;
    bool toneStopped[2] = {true, true};
    QStringList unplayableTones;
    bool trayAvailable = true;
    // "add", "modify" and "delete", in order.
    QStringList trayCalls;
    qint64 trayIcon = 0; // cache key of the icon on show, 0 when none
    QString trayTip;
    QMenu* trayMenu = nullptr;
    Listener trayListener;
    struct Process {
        qint64 pid;
        QString executable;
        QString firstArgument = {};
        QString script = {};
        qint64 parent = 1;
        qint64 session = 1;
        bool mayEnd = true;
        bool running = true;
        // Ends when asked to; otherwise only a kill ends it.
        bool obliging = true;
    };
    QList<Process> processes;
    qint64 self = 99999;
    // Files that are programs: opening one starts a process of its name.
    QStringList programs;
    QMap<QString, Launchable> files;
    bool otherFilesExist = true;
    QStringList events;
    struct Pending {
        qint64 due;
        QPointer<QObject> context;
        std::function<void()> then;
    };
    QList<Pending> pending;
    qint64 elapsed = 0;
    QMap<int, QString> notifications;
    std::function<void(const QStringList&)> startListener;
    std::function<void(int key, Action action)> actionListener;
    QMap<int, QList<Action>> notificationActions;
    std::function<void()> saveListener;
    std::function<void()> endListener;
};

} // namespace platform

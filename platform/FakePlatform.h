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
    QTime timeOfDay() const override { return time; }
    qint64 wallMs() const override { return QDateTime(date, time).toMSecsSinceEpoch(); }
    QString bootId() const override { return bootIdText; }
    // A clock that stands until the test moves it: a tick moves it a
    // second, advance() any longer gap.
    qint64 sinceBoot() override { return boot; }

    void listenForClockSet(std::function<void()> set) override { clockSet = std::move(set); }
    // Kept until the test lets the time pass.
    void after(int milliseconds, QObject* context, std::function<void()> then) override;
    // Moves the clock on by that many milliseconds, running in order
    // everything that falls due meanwhile.
    void advance(int milliseconds);

    QPoint pos() const override { return pointer; }
    void setPos(QPoint pos) override;
    bool leftButtonDown() const override { return leftDown; }

    QRect primary() const override { return primaryScreen; }
    QRect virtualDesktop() const override { return desktop; }

    // Takes the next scripted answer; with none left the box counts as closed.
    // Ended from the system while it was open, the default answer.
    Answer ask(Kind kind, const QString& title, const QString& text, Button pointer) override;
    void tell(const QString& title, const QString& text) override {
        told.append(title + u'|' + text);
    }
    // A request to end from the system, as a signal brings it.
    void endFromSystem() {
        endRequested = true;
        if (endListener)
            endListener();
    }

    QString executableDir() const override { return executableFolder; }
    QString configHome() const override { return configFolder; }
    // Writes the file for real, unless the disk is set to fill up.
    bool replace(const QString& path, const QByteArray& bytes) override;
    bool rename(const QString& from, const QString& to) override;
    bool remove(const QString& path) override;

    // Six pixels a character, close to the window font's digits.
    int width(const QFont&, const QString& text) const override { return 6 * int(text.size()); }
    void loadFonts(bool) override {}

    void setStayOnTop(QWidget* window, bool onTop) override;
    void startMove(QWidget* window) override;
    // Both bring a minimised window back, as the real desktop does; raise()
    // also counts.
    void show(QWidget* window) override;
    void raise(QWidget* window) override;
    // Shows as show() does, and counts.
    void alert(QWidget* window) override;

    // Records the files played, with the folder the real player opens.
    void play(const QString& path) override;
    // Records the tones, by channel, and whether each channel was stopped
    // since; a path in unplayable is heard as such at once.
    void playTone(const Tone& tone, std::function<void()> unplayable) override {
        tones.append(tone);
        toneStopped[int(tone.channel)] = false;
        if (unplayable && unplayableTones.contains(tone.path))
            unplayable();
    }
    void stopTone(Channel channel) override { toneStopped[int(channel)] = true; }
    QString themeSoundFile(const QString& name) override {
        return QStringLiteral("/themes/%1.oga").arg(name);
    }

    // A notification area that keeps what it is sent.
    bool add(const QIcon& icon, const QString& tip) override;
    void modify(const QIcon& icon, const QString& tip) override;
    void removeIcon() override;
    void setMenu(QMenu* menu) override { trayMenu = menu; }
    void listen(Listener listener) override { trayListener = std::move(listener); }
    // The mouse on the icon: a press and a release of one button. A right
    // one opens the menu, as a notification area does.
    void clickTray(Qt::MouseButton button);

    // A process table the test fills; "terminate", "kill", "after" (a wait
    // begun) and "open" are recorded in order in events.
    QList<RunningProcess> snapshot() override;
    qint64 self() override { return selfPid; }
    void terminate(qint64 pid) override;
    void kill(qint64 pid) override;
    // Files as the test lays them out; any other exists as itself, unless
    // every file is missing.
    Launchable find(const QString& file) override;
    void launch(const QString& path) override;

    // The machine's sleep, as the test tells it.
    void listenForSleep(std::function<void(bool sleeping)> listener) override {
        sleepListener = std::move(listener);
    }
    void keepAwake(bool awake) override { keptAwake = awake; }
    void wakeAt(qint64 wallMs, std::function<void(bool wakes)> answer) override {
        wakeAsked = wallMs;
        answer(canWake || wallMs == 0);
    }
    bool startsWithDesktop() const override { return autostartOn; }
    Change setStartsWithDesktop(bool on) override {
        if (autostartChange == Change::Done)
            autostartOn = on;
        return autostartChange;
    }

    // A later start is handed in by the test.
    void listenForStarts(std::function<void(const QStringList&, Reply)> listener) override {
        startListener = std::move(listener);
    }
    // A later start with that command line; what it was told, once told.
    Response start(const QStringList& arguments) {
        Response told{-1, {}};
        startListener(arguments, [&told](const Response& response) { told = response; });
        return told;
    }
    void answerProbes(std::function<QByteArray()> state) override {
        probeAnswer = std::move(state);
    }
    // What a probe asking for the state now is told.
    QByteArray probe() const { return probeAnswer ? probeAnswer() : QByteArray(); }
    void announceChange() override { ++changes; }

    // The bus, where the test makes the calls.
    void listenForCalls(std::function<void(const Call&, Instance::Reply)> listener) override {
        callListener = std::move(listener);
    }
    // A call on the bus; its answer, once given.
    Response call(const QString& method, const QVariantList& arguments = {}) {
        Response told{-1, {}};
        callListener({method, arguments}, [&told](const Response& response) { told = response; });
        return told;
    }
    void claimName() override { nameClaimed = true; }
    void broadcastChange() override { ++broadcasts; }

    // A desktop that lists the shortcuts offered; the test presses them.
    void offerShortcuts(const QList<Shortcut>& offered,
                        std::function<void(const QString& id)> pressed) override {
        shortcuts = offered;
        shortcutListener = std::move(pressed);
    }

    // A notification area of the desktop's that keeps what it is told.
    void notify(int key, const Notice& notice) override {
        notifications[key] = notice.summary + u'|' + notice.body;
        notificationActions[key] = notice.actions;
    }
    void withdraw(int key) override { notifications.remove(key); }
    void listenForActions(std::function<void(int key, Action action)> listener) override {
        actionListener = std::move(listener);
    }

    void listenForEnd(std::function<void()> save, std::function<void()> end) override {
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
    QString bootIdText = QStringLiteral("fake-boot");
    std::function<void(bool)> sleepListener;
    std::function<void()> clockSet;
    bool keptAwake = false;
    qint64 wakeAsked = 0;
    bool canWake = true;
    bool autostartOn = false;
    Change autostartChange = Change::Done;
    qint64 boot = 0;
    QPoint pointer;
    QList<QPoint> pointerMoves;
    bool leftDown = false;
    QRect primaryScreen{0, 0, 1280, 1024};
    QRect desktop{0, 0, 1280, 1024};
    QList<Answer> answers;
    QList<Question> asked;
    QStringList told;
    bool endRequested = false;
    // Called while a question is open, as the nested event loop of a real box
    // would let other things happen.
    std::function<void()> whileAsking;
    QString executableFolder;
    // A settings home that no one can make, root included, unless a test
    // gives one.
    QString configFolder = QStringLiteral("/proc/nonexistent/.config");
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
    QIcon trayIcon; // the picture in the notification area, none when out
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
    qint64 selfPid = 99999;
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
    QMap<int, QString> notifications;
    std::function<void(const QStringList&, Reply)> startListener;
    std::function<QByteArray()> probeAnswer;
    // How often the state was said to change, to the watchers and on the bus.
    int changes = 0;
    int broadcasts = 0;
    std::function<void(const Call&, Instance::Reply)> callListener;
    bool nameClaimed = false;
    QList<Shortcut> shortcuts;
    std::function<void(const QString& id)> shortcutListener;
    std::function<void(int key, Action action)> actionListener;
    QMap<int, QList<Choice>> notificationActions;
    std::function<void()> saveListener;
    std::function<void()> endListener;
};

} // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy for each settings folder. The copy that holds a lock
// beside the settings, "quorbel.lock", is the running one; the lock names
// the socket it listens on, in the user's private runtime folder. A later
// start hands it the command line there, hears that it arrived, and ends;
// it never waits for the running copy longer than two seconds.
// Claiming needs neither a display, an event loop nor the session's
// environment, so a start from cron or over ssh still reaches the running
// copy. Not QLocalServer with QLockFile: the lock is an flock the system
// lets go with a killed process at once, where QLockFile guesses at a stale
// lock from a process number, and a later start must find the socket
// through the lock whatever its environment.
#pragma once

#include "InstanceWire.h"
#include "Platform.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QSocketNotifier;

namespace platform {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        // This is the running copy now.
        Claimed,
        // Another copy runs and has the command line.
        HandedOver,
        // Another copy holds the folder but does not take the command line.
        Unanswered,
        // Only a hand-over was asked for, and no copy runs: nothing was
        // made or changed.
        NoneRunning,
        // Another copy runs, and the command line is longer than it takes.
        TooLong,
        // The folder's own lock cannot be taken, or another user's copy
        // holds it: this start does not run beside it.
        Refused
    };
    enum class Reach { ClaimOrHandOver, HandOverOnly };
    // Takes the folder's lock without waiting: 0, or the error the system
    // gave (EWOULDBLOCK while a copy holds it). Tests stand in a file
    // system that refuses locks.
    using TryLock = int (*)(int fd);

    // answerMs: how long a later start waits for the running copy, all
    // told: to listen, to take the connection (its queue may be full, or
    // the copy stopped) and to answer. Tests wait less.
    explicit SingleInstance(TryLock tryLock = nullptr, int answerMs = 2000);
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    ~SingleInstance() override;

    // For one key, the settings folder. A copy that died holds nothing.
    // A start handed over carries the token the desktop gave it to bring
    // the program forward (XDG_ACTIVATION_TOKEN on Wayland), if any.
    Outcome claim(const QString& key, const QStringList& arguments,
                  Reach reach = Reach::ClaimOrHandOver);
    // What the start has to tell the user: why it does not run, or that
    // it runs where a second copy cannot be kept out. Empty when nothing.
    // Made when asked for, in the language then installed: a start that
    // ends early says it once it has an application object.
    QString message() const { return message_ ? message_() : QString(); }
    // What the running copy said to a start handed over: its exit status
    // and what it prints.
    Instance::Response answer() const { return answer_; }
    // Once the event loop runs: who hears the command lines of later starts
    // and replies to them, and their tokens.
    void listen(std::function<void(const QStringList&, Instance::Reply)> heard);
    // What a probe for the program's state is told, and that it changed.
    void answerProbes(std::function<QByteArray()> state);
    void announceChange();
    // The program is ending: a later start is the running copy.
    void release();

    // The user's private folder for the lock and the socket: the runtime
    // folder when it is the user's alone, else one of the program's own,
    // made unless make is false; empty when there is none.
    static QString privateFolder(bool make = true);
    // A probe, which never becomes the running copy nor takes its lock: the
    // state of the copy that runs on the settings folder, or nothing where
    // none answers; then why in message, where a copy holds the folder but
    // does not answer or is another user's, and it is left empty where
    // none runs.
    static std::optional<QByteArray> askState(const QString& key, QString* message = nullptr,
                                              int answerMs = 2000);
    // The socket where a copy on the settings folder listens; a watch
    // connects there.
    static QList<QByteArray> sockets(const QString& key);

signals:
    // A later start handed over the desktop's token with its command line.
    void tokenGiven(const QByteArray& token);

private:
    // Opens the lock every start on the folder meets at; false where this
    // start may not run (the message says why).
    bool openLock(const QString& key, bool make);
    // unguarded: what to say where the folder takes no lock, which one try
    // to hand over is all that can keep a second copy out; else empty.
    using Said = std::function<QString()>;
    Outcome handOver(const QByteArray& packed, bool handOverOnly, const Said& unguarded);
    Outcome listenHere();
    void accept();
    void callerDone();
    bool bindSocket(const QByteArray& name);
    static QString unanswered();

    TryLock tryLock_;
    int answerMs_;
    std::function<QString()> message_;
    // The settings folder's mark in the names of its socket and lock.
    QByteArray hash_;
    QString folderPath_;
    int folder_ = -1;
    int lock_ = -1;
    int listening_ = -1;
    QByteArray socketName_;
    QSocketNotifier* notifier_ = nullptr;
    // Callers still sending their requests, and watchers, each kept to a
    // number so that a flood takes no more descriptors than that.
    int callers_ = 0;
    QList<wire::Caller*> watchers_;
    wire::Caller::Listeners listeners_;
    Instance::Response answer_;
};

} // namespace platform

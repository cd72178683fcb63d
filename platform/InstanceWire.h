// SPDX-License-Identifier: GPL-3.0-or-later
// The wire between the running copy and a later start or a probe, over
// the running copy's socket. Version 2:
//
//   request  "quorbel/2 start\n" then the start, packed: the activation
//            token and each argument, each ended by a NUL byte
//            "quorbel/2 status\n"
//            "quorbel/2 watch\n"
//            and the asker closes its side.
//   answer   start:  "taken\n" once the whole start arrived, and only then
//                    is it acted on; then "done <status>\n" and what the
//                    start prints, and the copy closes.
//            status: the state, one line of JSON, and the copy closes.
//            watch:  the state, one line of JSON, at once and at every
//                    change; a watcher that has not read the last line is
//                    sent only the newest after it.
//
// Version 1 (an older start) sent the packed start alone and was answered
// by the one byte "1"; both sides still understand it. An older running
// copy takes a probe for a start with no arguments, which shows its
// window, and a start hears that it was taken but no more.
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <sys/un.h>

class QSocketNotifier;

namespace platform::wire {

// The address of a socket in a folder: its whole path where it fits the
// system's limit, else through the folder's open descriptor.
bool socketAddress(const QByteArray& folder, int folderFd, const QByteArray& name,
                   sockaddr_un& address);

enum class Kind { Start, Status, Watch };

// A start as the socket carries it: the token first, then the arguments,
// none able to become two.
struct Start {
    QByteArray token;
    QStringList arguments;
    bool operator==(const Start&) const = default;
};
QByteArray pack(const Start& start);
Start unpack(const QByteArray& bytes);

// A command line is a few words: a request that is longer than this, or
// never ends, is not listened to; a later start says so before it sends.
constexpr qsizetype kLongestRequest = 64 * 1024;
// An activation token is a few dozen bytes; a longer one is left out and
// the command line goes without it.
constexpr qsizetype kLongestToken = 4096;

QByteArray request(Kind kind, const QByteArray& body = {});

// What the running copy said to a request, as its asker heard it.
struct Heard {
    enum class How {
        // No copy listens there.
        NoOne,
        // A copy took it (and, for a start, acted on it).
        Answered,
        // A copy holds the socket but took nothing within the time.
        Unanswered,
        // Another user's copy listens there.
        Stranger
    };
    How how = How::NoOne;
    // For a start: its status and what it prints; for a probe: the state.
    int status = 0;
    QByteArray text;
};
// Sends the request to the copy listening at that socket and hears what it
// says within the deadline; a start taken waits up to actedMs more to hear
// what was done.
Heard exchange(const QByteArray& path, const QByteArray& request, const QDeadlineTimer& deadline,
               int actedMs = 0);

// The running copy's end of one connection: reads the request, then
// answers it. A start is handed to started, with how to reply once acted
// on; a probe for the state is answered from state; a watcher stays.
class Caller : public QObject {
    Q_OBJECT
public:
    struct Listeners {
        std::function<void(const Start&, std::function<void(int, const QString&)>)> started;
        std::function<QByteArray()> state;
    };
    Caller(QObject* parent, int fd, const Listeners& listeners);
    ~Caller() override;

    bool watching() const { return watching_ && !closed_; }
    // The state changed: a watcher is sent it, or only the newest after the
    // line it is still reading.
    void sendState();

signals:
    // Read whole (or given up on): the count of callers still reading
    // goes down.
    void read();
    // Done with: it may be deleted.
    void finished();

private:
    void drain();
    void answer(bool whole);
    void dispatch();
    void reply(int status, const QString& text);
    void flush();
    void close();

    int fd_;
    const Listeners& listeners_;
    QSocketNotifier* reader_ = nullptr;
    QSocketNotifier* writer_ = nullptr;
    QByteArray request_;
    bool read_ = false;
    bool watching_ = false;
    bool closed_ = false;
    // What a watcher is still to be sent: the rest of the line it is
    // reading, and the newest state after it.
    QByteArray outgoing_;
    QByteArray next_;
};

// The stream a watcher reads: each line, as it comes; ended when the
// running copy goes.
class Watch : public QObject {
    Q_OBJECT
public:
    // A connected socket to which the request was sent.
    Watch(int fd, QObject* parent);
    ~Watch() override;

signals:
    void line(const QByteArray& state);
    void ended();

private:
    void drain();

    int fd_;
    QSocketNotifier* reader_;
    QByteArray buffer_;
};
// Connects to the copy listening at that socket and asks to watch it;
// nothing where no copy of the user's listens there.
Watch* watch(const QByteArray& path, QObject* parent);

} // namespace platform::wire

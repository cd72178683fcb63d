// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceWire.h"
#include "WriteAll.h"

#include <QFile>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform::wire {

namespace {

constexpr char kHeader[] = "quorbel/2 ";
// A caller that never ends its request is not waited for longer.
constexpr int kPatienceMs = 5000;

// What is left of the wait, for a socket's timeout: never none, which
// would be no limit at all.
timeval timeLeft(const QDeadlineTimer& deadline) {
    const qint64 ms = qMax<qint64>(1, deadline.remainingTime());
    return {time_t(ms / 1000), suseconds_t(ms % 1000 * 1000)};
}

// The connected socket of a copy of the user's own, or -1 and why not.
int connectTo(const QByteArray& path, const QDeadlineTimer& deadline, Heard::How& failure) {
    const QByteArray folder = path.left(path.lastIndexOf('/'));
    const QByteArray name = path.mid(path.lastIndexOf('/') + 1);
    const int folderFd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    sockaddr_un address;
    const bool addressed = folderFd >= 0 && socketAddress(folder, folderFd, name, address);
    const int fd = addressed ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0) : -1;
    failure = Heard::How::NoOne;
    if (fd < 0) {
        if (folderFd >= 0)
            ::close(folderFd);
        return -1;
    }
    // A full queue holds a connect for as long as a send may wait.
    const timeval patience = timeLeft(deadline);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
    const int connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const int error = errno;
    ::close(folderFd);
    ucred peer{};
    socklen_t size = sizeof peer;
    if (connected == 0 && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
        peer.uid == ::geteuid())
        return fd;
    ::close(fd);
    // Refused or gone: no one listens; timed out: a copy that takes no
    // one; not let in, or someone else's: another user's folder.
    if (connected == 0 || error == EACCES)
        failure = Heard::How::Stranger;
    else if (error == EAGAIN || error == EINTR || error == ETIMEDOUT)
        failure = Heard::How::Unanswered;
    return -1;
}

// Reads until the copy closes, the deadline passes or the first line is
// all that is wanted; whether it ended well.
bool readUntil(int fd, QByteArray& got, const QDeadlineTimer& deadline, bool lineOnly) {
    char chunk[4096];
    while (!lineOnly || !got.contains('\n')) {
        const timeval patience = timeLeft(deadline);
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR && !deadline.hasExpired())
            continue;
        if (count <= 0)
            return count == 0;
        got.append(chunk, count);
        // An older copy's one byte, and nothing after it.
        if (got == "1" && lineOnly)
            return true;
    }
    return true;
}

} // namespace

bool socketAddress(const QByteArray& folder, int folderFd, const QByteArray& name,
                   sockaddr_un& address) {
    QByteArray path = folder + '/' + name;
    address = {};
    address.sun_family = AF_UNIX;
    if (std::size_t(path.size()) >= sizeof(address.sun_path))
        path = "/proc/self/fd/" + QByteArray::number(folderFd) + '/' + name;
    if (name.isEmpty() || std::size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return true;
}

QByteArray pack(const Start& start) {
    QByteArray bytes = QByteArray(start.token).replace('\0', QByteArray()) + '\0';
    for (const QString& argument : start.arguments)
        bytes += argument.toUtf8() + '\0';
    return bytes;
}

Start unpack(const QByteArray& bytes) {
    Start start;
    QList<QByteArray> pieces = bytes.split('\0');
    // The last argument's end leaves one empty piece behind it.
    if (!pieces.isEmpty() && bytes.endsWith('\0'))
        pieces.removeLast();
    if (!pieces.isEmpty())
        start.token = pieces.takeFirst();
    for (const QByteArray& argument : std::as_const(pieces))
        start.arguments << QString::fromUtf8(argument);
    return start;
}

QByteArray request(Kind kind, const QByteArray& body) {
    const char* name = kind == Kind::Start ? "start" : kind == Kind::Status ? "status" : "watch";
    return kHeader + QByteArray(name) + '\n' + body;
}

Heard exchange(const QByteArray& path, const QByteArray& request, const QDeadlineTimer& deadline,
               int actedMs) {
    Heard heard;
    const int fd = connectTo(path, deadline, heard.how);
    if (fd < 0)
        return heard;
    heard.how = Heard::How::Unanswered;
    const timeval patience = timeLeft(deadline);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
    QByteArray got;
    const bool start = request.startsWith(QByteArray(kHeader) + "start\n");
    const bool sent = writeAll(fd, request, true) && ::shutdown(fd, SHUT_WR) == 0;
    const bool read = sent && readUntil(fd, got, deadline, start);
    // A copy that ended before it answered took nothing (it acts on a
    // start only once it said so): as if none listened, so that a start
    // then becomes the running copy, and a probe hears that none runs.
    if (got.isEmpty() && (read || errno == ECONNRESET || errno == EPIPE)) {
        heard.how = Heard::How::NoOne;
    } else if (read) {
        if (!start) {
            heard = {Heard::How::Answered, 0, got.trimmed()};
        } else if (got == "1" || got.startsWith("taken\n")) {
            // Taken, and acted on: what was done follows.
            heard.how = Heard::How::Answered;
            got = got.mid(got.indexOf('\n') + 1);
            if (got != "1" && readUntil(fd, got, QDeadlineTimer(actedMs), false) &&
                got.startsWith("done ")) {
                const qsizetype end = got.indexOf('\n');
                heard.status = got.mid(5, end - 5).toInt();
                heard.text = end < 0 ? QByteArray() : got.mid(end + 1);
            }
        }
    }
    ::close(fd);
    return heard;
}

Caller::Caller(QObject* parent, int fd, const Listeners& listeners)
    : QObject(parent)
    , fd_(fd)
    , listeners_(listeners)
    , reader_(new QSocketNotifier(fd, QSocketNotifier::Read, this)) {
    connect(reader_, &QSocketNotifier::activated, this, &Caller::drain);
    QTimer::singleShot(kPatienceMs, this, [this] {
        if (!read_)
            answer(false);
    });
}

Caller::~Caller() {
    ::close(fd_);
}

void Caller::drain() {
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(fd_, chunk, sizeof chunk);
        if (got > 0) {
            request_.append(chunk, got);
            if (request_.size() > kLongestRequest + 64)
                return answer(false);
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return;
        } else {
            return answer(got == 0);
        }
    }
}

void Caller::answer(bool whole) {
    if (read_)
        return;
    read_ = true;
    // The request is in: what the asker sends now is no more of it.
    reader_->setEnabled(false);
    if (whole)
        dispatch();
    else
        close();
    emit read();
}

void Caller::dispatch() {
    const qsizetype header = request_.startsWith(kHeader) ? request_.indexOf('\n') : -1;
    const QByteArray kind = header < 0 ? QByteArray("start") : request_.mid(10, header - 10);
    const QByteArray body = header < 0 ? request_ : request_.mid(header + 1);
    if (kind == "start") {
        // The later start hears that its command line arrived whole; one
        // that has given up waiting hears nothing, and nothing is done.
        const QByteArray taken = header < 0 ? QByteArray("1") : QByteArray("taken\n");
        if (!writeAll(fd_, taken, true) || !listeners_.started) {
            close();
            return;
        }
        const Start start = unpack(body);
        if (header < 0) {
            listeners_.started(start, [](int, const QString&) {});
            close();
            return;
        }
        QPointer<Caller> self(this);
        listeners_.started(start, [self](int status, const QString& text) {
            if (self)
                self->reply(status, text);
        });
    } else if (kind == "status") {
        writeAll(fd_, (listeners_.state ? listeners_.state() : QByteArray("{}")) + '\n', true);
        close();
    } else if (kind == "watch") {
        watching_ = true;
        writer_ = new QSocketNotifier(fd_, QSocketNotifier::Write, this);
        writer_->setEnabled(false);
        connect(writer_, &QSocketNotifier::activated, this, &Caller::flush);
        sendState();
    } else {
        close();
    }
}

void Caller::reply(int status, const QString& text) {
    writeAll(fd_, "done " + QByteArray::number(status) + '\n' + text.toUtf8(), true);
    close();
}

void Caller::sendState() {
    if (!watching_ || closed_)
        return;
    next_ = (listeners_.state ? listeners_.state() : QByteArray("{}")) + '\n';
    flush();
}

void Caller::flush() {
    while (!outgoing_.isEmpty() || !next_.isEmpty()) {
        if (outgoing_.isEmpty())
            outgoing_ = std::exchange(next_, {});
        const ssize_t sent =
            ::send(fd_, outgoing_.constData(), size_t(outgoing_.size()), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // A reader that does not read costs nothing but the newest line.
            writer_->setEnabled(true);
            return;
        }
        if (sent <= 0)
            return close();
        outgoing_.remove(0, sent);
    }
    writer_->setEnabled(false);
}

void Caller::close() {
    if (closed_)
        return;
    closed_ = true;
    if (reader_)
        reader_->setEnabled(false);
    if (writer_)
        writer_->setEnabled(false);
    emit finished();
    deleteLater();
}

Watch::Watch(int fd, QObject* parent)
    : QObject(parent)
    , fd_(fd)
    , reader_(new QSocketNotifier(fd, QSocketNotifier::Read, this)) {
    connect(reader_, &QSocketNotifier::activated, this, &Watch::drain);
}

Watch::~Watch() {
    ::close(fd_);
}

void Watch::drain() {
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(fd_, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        if (got <= 0) {
            reader_->setEnabled(false);
            emit ended();
            return;
        }
        buffer_.append(chunk, got);
    }
    for (qsizetype end; (end = buffer_.indexOf('\n')) >= 0;) {
        const QByteArray state = buffer_.left(end);
        buffer_.remove(0, end + 1);
        emit line(state);
    }
}

Watch* watch(const QByteArray& path, QObject* parent) {
    Heard::How failure;
    const QDeadlineTimer deadline(2000);
    const int fd = connectTo(path, deadline, failure);
    if (fd < 0)
        return nullptr;
    if (!writeAll(fd, request(Kind::Watch), true) || ::shutdown(fd, SHUT_WR) != 0) {
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    return new Watch(fd, parent);
}

} // namespace platform::wire

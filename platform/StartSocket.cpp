// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartSocket.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#ifdef Q_OS_LINUX
// Plain Unix sockets: Qt's local sockets would bring its whole network
// library, and the Kerberos and proxy libraries behind it, into every start.
#include "WriteAll.h"
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#else
#include <QLocalServer>
#include <QLocalSocket>
#endif

namespace platform {

namespace {

// A command line is a few words; a caller that sends more, or never
// closes, is not listened to.
constexpr qsizetype kLongestCommand = 64 * 1024;
constexpr int kPatienceMs = 5000;

} // namespace

#ifdef Q_OS_LINUX

namespace {

bool Address(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || std::size_t(name.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return true;
}

// One later start: read until it closes.
class Caller : public QObject {
public:
    Caller(QObject* parent, int fd, std::function<void(const QString&)> heard)
        : QObject(parent)
        , fd_(fd)
        , heard_(std::move(heard))
        , notifier_(fd, QSocketNotifier::Read, this) {
        connect(&notifier_, &QSocketNotifier::activated, this, &Caller::Read);
        QTimer::singleShot(kPatienceMs, this, [this] { Done(false); });
    }
    ~Caller() override { ::close(fd_); }

private:
    void Read() {
        char chunk[4096];
        for (;;) {
            const ssize_t got = ::read(fd_, chunk, sizeof chunk);
            if (got > 0) {
                text_.append(chunk, got);
                if (text_.size() > kLongestCommand)
                    return Done(false);
            } else if (got < 0 && errno == EINTR) {
                continue;
            } else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                return;
            } else {
                return Done(got == 0);
            }
        }
    }
    void Done(bool closed) {
        if (done_)
            return;
        done_ = true;
        notifier_.setEnabled(false);
        deleteLater();
        if (closed && heard_)
            heard_(QString::fromUtf8(text_));
    }

    int fd_;
    std::function<void(const QString&)> heard_;
    QSocketNotifier notifier_;
    QByteArray text_;
    bool done_ = false;
};

} // namespace

StartSocket* StartSocket::Listen(const QString& path, std::function<void(const QString&)> heard) {
    sockaddr_un address;
    if (!Address(path, address))
        return nullptr;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return nullptr;
    ::unlink(address.sun_path);
    // The user's alone from the moment it exists.
    const mode_t mask = ::umask(0077);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(fd, 8) != 0) {
        ::close(fd);
        return nullptr;
    }
    auto* socket = new StartSocket;
    socket->fd_ = fd;
    socket->path_ = path;
    socket->heard_ = std::move(heard);
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, socket);
    connect(notifier, &QSocketNotifier::activated, socket, &StartSocket::Accept);
    return socket;
}

StartSocket::~StartSocket() {
    if (fd_ < 0)
        return;
    ::close(fd_);
    ::unlink(QFile::encodeName(path_).constData());
}

void StartSocket::Accept() {
    for (;;) {
        const int caller = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (caller >= 0)
            new Caller(this, caller, heard_);
        else if (errno != EINTR)
            return;
    }
}

bool SendToStartSocket(const QString& path, const QByteArray& text) {
    sockaddr_un address;
    if (!Address(path, address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // A copy that hangs keeps no start waiting.
    const timeval patience{2, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
    const bool sent =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        WriteAll(fd, text, true);
    ::close(fd);
    return sent;
}

#else

StartSocket* StartSocket::Listen(const QString& path, std::function<void(const QString&)> heard) {
    QLocalServer::removeServer(path);
    auto* server = new QLocalServer;
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(path)) {
        delete server;
        return nullptr;
    }
    auto* socket = new StartSocket;
    socket->heard_ = std::move(heard);
    socket->server_ = server;
    server->setParent(socket);
    connect(server, &QLocalServer::newConnection, socket, &StartSocket::Accept);
    return socket;
}

StartSocket::~StartSocket() = default;

void StartSocket::Accept() {
    auto* server = static_cast<QLocalServer*>(server_);
    while (QLocalSocket* caller = server->nextPendingConnection()) {
        QTimer::singleShot(kPatienceMs, caller, [caller] {
            caller->disconnect();
            caller->abort();
            caller->deleteLater();
        });
        connect(caller, &QLocalSocket::disconnected, caller, [this, caller] {
            const QByteArray text = caller->readAll();
            caller->deleteLater();
            if (text.size() <= kLongestCommand && heard_)
                heard_(QString::fromUtf8(text));
        });
    }
}

bool SendToStartSocket(const QString& path, const QByteArray& text) {
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(text);
    socket.disconnectFromServer();
    return socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(2000);
}

#endif

} // namespace platform

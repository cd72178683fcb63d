// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"
#include "QtPlatform.h"
#include "WriteAll.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

// A command line is a few words; a caller that sends more, or never
// closes, is not listened to.
constexpr qsizetype kLongestCommand = 64 * 1024;
constexpr int kPatienceMs = 5000;
// Callers heard at once; a flood of connections waits its turn instead of
// taking every descriptor the program has.
constexpr int kMostCallers = 32;
// How long a later start waits for the running copy to listen.
constexpr int kTries = 20;
constexpr int kTryMs = 100;

// A folder that is the user's alone: a real folder, the user's, that no
// one else may enter.
bool isPrivate(const QByteArray& path) {
    struct stat folder {};
    return ::lstat(path.constData(), &folder) == 0 && S_ISDIR(folder.st_mode) &&
           folder.st_uid == ::geteuid() && (folder.st_mode & 077) == 0;
}

// Makes the folder, or takes one of the user's that others could enter.
bool makePrivate(const QString& path) {
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return false;
    const QByteArray name = QFile::encodeName(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    ::mkdir(name.constData(), 0700);
    struct stat folder {};
    if (::lstat(name.constData(), &folder) == 0 && S_ISDIR(folder.st_mode) &&
        folder.st_uid == ::geteuid())
        ::chmod(name.constData(), 0700);
    return isPrivate(name);
}

// The path a socket of the folder is reached by: the whole path where it
// fits the system's limit, else through the folder's open descriptor.
bool socketAddress(const QString& folder, int folderFd, const QByteArray& name,
                   sockaddr_un& address) {
    QByteArray path = QFile::encodeName(folder) + '/' + name;
    address = {};
    address.sun_family = AF_UNIX;
    if (std::size_t(path.size()) >= sizeof(address.sun_path))
        path = "/proc/self/fd/" + QByteArray::number(folderFd) + '/' + name;
    if (name.isEmpty() || std::size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return true;
}

enum class Sent { NoOne, Answered, Unanswered };

// Hands the start to the copy listening at that socket, which answers once
// it has the whole of it. Only a copy of the user's own is told anything.
Sent send(const QByteArray& path, const QByteArray& text) {
    const QByteArray folder = path.left(path.lastIndexOf('/'));
    const QByteArray name = path.mid(path.lastIndexOf('/') + 1);
    const int folderFd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    sockaddr_un address;
    const bool addressed =
        folderFd >= 0 && socketAddress(QFile::decodeName(folder), folderFd, name, address);
    const int fd = addressed ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0) : -1;
    const bool connected =
        fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (folderFd >= 0)
        ::close(folderFd);
    ucred peer{};
    socklen_t size = sizeof peer;
    if (!connected || ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
        peer.uid != ::geteuid()) {
        if (fd >= 0)
            ::close(fd);
        return Sent::NoOne;
    }
    // A copy that hangs keeps no start waiting long.
    const timeval patience{2, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
    char answer = 0;
    ssize_t got = -1;
    if (writeAll(fd, text, true) && ::shutdown(fd, SHUT_WR) == 0) {
        do
            got = ::read(fd, &answer, 1);
        while (got < 0 && errno == EINTR);
    }
    ::close(fd);
    return got == 1 ? Sent::Answered : Sent::Unanswered;
}

// One later start: read until it closes.
class Caller : public QObject {
public:
    Caller(QObject* parent, int fd, std::function<void(const QByteArray&)> heard,
           std::function<void()> done)
        : QObject(parent)
        , fd_(fd)
        , heard_(std::move(heard))
        , done_(std::move(done))
        , notifier_(fd, QSocketNotifier::Read, this) {
        connect(&notifier_, &QSocketNotifier::activated, this, &Caller::drain);
        QTimer::singleShot(kPatienceMs, this, [this] { finish(false); });
    }
    ~Caller() override { ::close(fd_); }

private:
    void drain() {
        char chunk[4096];
        for (;;) {
            const ssize_t got = ::read(fd_, chunk, sizeof chunk);
            if (got > 0) {
                text_.append(chunk, got);
                if (text_.size() > kLongestCommand)
                    return finish(false);
            } else if (got < 0 && errno == EINTR) {
                continue;
            } else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                return;
            } else {
                return finish(got == 0);
            }
        }
    }
    void finish(bool closed) {
        if (finished_)
            return;
        finished_ = true;
        notifier_.setEnabled(false);
        // The later start hears that its command line arrived whole.
        if (closed) [[maybe_unused]]
            const ssize_t sent = ::send(fd_, "1", 1, MSG_NOSIGNAL);
        deleteLater();
        done_();
        if (closed)
            heard_(text_);
    }

    int fd_;
    std::function<void(const QByteArray&)> heard_;
    std::function<void()> done_;
    QSocketNotifier notifier_;
    QByteArray text_;
    bool finished_ = false;
};

} // namespace

QString SingleInstance::privateFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isPrivate(QFile::encodeName(runtime)))
        return QDir::cleanPath(runtime);
    // The program's own, in the user's cache or, failing that, the system's
    // temporary folder; never the current folder.
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    const QString home = homeFolder();
    const QString own = QDir::isAbsolutePath(cache) ? cache
                        : home.isEmpty()            ? QString()
                                                    : home + QStringLiteral("/.cache");
    for (const QString& folder :
         {own.isEmpty() ? QString() : own + QStringLiteral("/quorbel-runtime"),
          QStringLiteral("/tmp/quorbel-%1").arg(::geteuid())}) {
        if (makePrivate(folder))
            return QDir::cleanPath(folder);
    }
    return {};
}

QByteArray SingleInstance::pack(const Start& start) {
    QByteArray bytes = QByteArray(start.token).replace('\0', QByteArray()) + '\0';
    for (const QString& argument : start.arguments)
        bytes += argument.toUtf8() + '\0';
    return bytes;
}

SingleInstance::Start SingleInstance::unpack(const QByteArray& bytes) {
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

SingleInstance::Outcome SingleInstance::claim(const QString& key, const QStringList& arguments) {
    folderPath_ = privateFolder();
    folder_ = folderPath_.isEmpty() ? -1
                                    : ::open(QFile::encodeName(folderPath_).constData(),
                                             O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    // Two portable copies in different folders stay apart.
    const QByteArray hash = QCryptographicHash::hash(QFile::encodeName(QDir::cleanPath(key)),
                                                     QCryptographicHash::Sha256)
                                .toHex()
                                .left(16);
    // Every start on one settings folder meets at the lock beside the
    // settings, whatever its environment says (cron has no runtime folder);
    // where the folder cannot hold one, in the private folder.
    QDir().mkpath(key);
    lock_ = ::open(QFile::encodeName(QDir(key).filePath(QStringLiteral("quorbel.lock"))),
                   O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lock_ < 0 && folder_ >= 0) {
        lock_ = ::openat(folder_, ("quorbel-" + hash + ".lock").constData(),
                         O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    }
    // Where there is neither, the folder itself is the lock: never two
    // copies, though a later start cannot reach this one.
    if (lock_ < 0)
        lock_ = ::open(QFile::encodeName(key).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lock_ < 0)
        return Outcome::Claimed;
    // Only a live copy holds the lock; whatever the file says is of no
    // account until then.
    if (::flock(lock_, LOCK_EX | LOCK_NB) == 0) {
        for (int n = 0; folder_ >= 0 && n < 10 &&
                        !bindSocket("quorbel-" + hash +
                                    (n ? "-" + QByteArray::number(n) : QByteArray()) + ".socket");
             ++n) {
        }
        // The lock file names the socket for later starts.
        if (::ftruncate(lock_, 0) == 0 && listening_ >= 0)
            writeAll(lock_, QFile::encodeName(folderPath_) + '/' + socketName_);
        return Outcome::Claimed;
    }
    // The running copy may still be on its way to listening.
    // A launcher on Wayland hands its start a token that lets the running
    // copy come forward in its place.
    const QByteArray packed = pack({qgetenv("XDG_ACTIVATION_TOKEN"), arguments});
    for (int attempt = 0; attempt < kTries; ++attempt) {
        char path[4096];
        const ssize_t length = ::pread(lock_, path, sizeof path, 0);
        const Sent sent = length > 0 ? send(QByteArray(path, length), packed) : Sent::NoOne;
        if (sent == Sent::Answered)
            return Outcome::HandedOver;
        // Sent, and never taken: sending again would act twice.
        if (sent == Sent::Unanswered)
            return Outcome::Unanswered;
        QThread::msleep(kTryMs);
    }
    return Outcome::Unanswered;
}

bool SingleInstance::bindSocket(const QByteArray& name) {
    sockaddr_un address;
    if (!socketAddress(folderPath_, folder_, name, address))
        return false;
    // What a copy that died left there, and only that.
    struct stat old {};
    if (::fstatat(folder_, name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0) {
        if (!S_ISSOCK(old.st_mode) || ::unlinkat(folder_, name.constData(), 0) != 0)
            return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // The user's alone from the moment it exists.
    const mode_t mask = ::umask(0077);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(fd, 8) != 0) {
        ::close(fd);
        return false;
    }
    listening_ = fd;
    socketName_ = name;
    return true;
}

void SingleInstance::listen(std::function<void(const QStringList&)> heard) {
    heard_ = std::move(heard);
    if (listening_ < 0 || notifier_)
        return;
    notifier_ = new QSocketNotifier(listening_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::accept);
}

void SingleInstance::accept() {
    while (callers_ < kMostCallers) {
        const int caller = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (caller < 0 && errno == EINTR)
            continue;
        if (caller < 0) {
            // Out of descriptors: a moment's rest rather than a busy loop on
            // a connection that cannot be taken.
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                notifier_->setEnabled(false);
                QTimer::singleShot(500, this, [this] {
                    if (callers_ < kMostCallers)
                        notifier_->setEnabled(true);
                });
            }
            return;
        }
        ++callers_;
        new Caller(
            this, caller,
            [this](const QByteArray& text) {
                const Start start = unpack(text);
                if (!start.token.isEmpty())
                    emit tokenGiven(start.token);
                if (heard_)
                    heard_(start.arguments);
            },
            [this] { callerDone(); });
    }
    notifier_->setEnabled(false);
}

void SingleInstance::callerDone() {
    --callers_;
    if (notifier_ && !notifier_->isEnabled() && callers_ < kMostCallers)
        notifier_->setEnabled(true);
}

SingleInstance::~SingleInstance() {
    release();
}

void SingleInstance::release() {
    delete std::exchange(notifier_, nullptr);
    if (listening_ >= 0) {
        ::close(listening_);
        ::unlinkat(folder_, socketName_.constData(), 0);
    }
    listening_ = -1;
    if (lock_ >= 0)
        ::close(std::exchange(lock_, -1));
    if (folder_ >= 0)
        ::close(std::exchange(folder_, -1));
}

} // namespace platform

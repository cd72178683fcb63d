// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"
#include "QtPlatform.h"
#include "WriteAll.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
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

// How often a later start looks again for the running copy to listen.
constexpr int kTryMs = 50;
// How long a later start whose command was taken waits to hear what was
// done: the settings may still be on their way in.
constexpr int kActedMs = 10000;
// Callers heard at once; a flood of connections waits its turn instead of
// taking every descriptor the program has. Watchers stay, up to their own
// number.
constexpr int kMostCallers = 32;
constexpr int kMostWatchers = 32;
constexpr char kLockName[] = "quorbel.lock";

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

// Opens the folder's own lock: made where it is missing (when make is
// set), its mode given back where the user's own file lost it, read-only
// where it cannot be written, which a lock needs no more than. -1 and
// errno where it cannot be opened: ENOENT where there is none to be had.
int openFolderLock(const QByteArray& path, bool make) {
    constexpr int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    int fd = ::open(path.constData(), O_RDWR | flags | (make ? O_CREAT : 0), 0600);
    if (fd >= 0 || errno == ENOENT)
        return fd;
    struct stat file {};
    if (::lstat(path.constData(), &file) != 0)
        return -1;
    if (!S_ISREG(file.st_mode)) {
        errno = S_ISDIR(file.st_mode) ? EISDIR : S_ISLNK(file.st_mode) ? ELOOP : EINVAL;
        return -1;
    }
    if (file.st_uid == ::geteuid() && (file.st_mode & 0600) != 0600 &&
        ::chmod(path.constData(), 0600) == 0) {
        fd = ::open(path.constData(), O_RDWR | flags);
        if (fd >= 0)
            return fd;
    }
    return ::open(path.constData(), O_RDONLY | flags);
}

// The names a copy on the folder listens at: the first free of ten.
constexpr int kSocketNames = 10;
QByteArray socketName(const QByteArray& hash, int n) {
    return "quorbel-" + hash + (n ? "-" + QByteArray::number(n) : QByteArray()) + ".socket";
}

// The socket that a copy which was killed left, named in its lock file:
// removed where it surely is that copy's, a socket by one of the folder's
// names in a folder that is the user's alone.
void removeDeadSocket(const QByteArray& path, const QByteArray& hash) {
    const QByteArray name = path.mid(path.lastIndexOf('/') + 1);
    int n = 0;
    while (n < kSocketNames && name != socketName(hash, n))
        ++n;
    if (n == kSocketNames)
        return;
    const int folder = ::open(path.left(path.lastIndexOf('/')).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    if (folder < 0)
        return;
    struct stat seen {};
    if (::fstat(folder, &seen) == 0 && seen.st_uid == ::geteuid() && (seen.st_mode & 077) == 0 &&
        ::fstatat(folder, name.constData(), &seen, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISSOCK(seen.st_mode))
        ::unlinkat(folder, name.constData(), 0);
    ::close(folder);
}

// Two portable copies in different folders stay apart: the settings
// folder's mark in the names of its socket and lock.
QByteArray folderHash(const QString& key) {
    return QCryptographicHash::hash(QFile::encodeName(QDir::cleanPath(key)),
                                    QCryptographicHash::Sha256)
        .toHex()
        .left(16);
}

int flockNow(int fd) {
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
}

} // namespace

SingleInstance::SingleInstance(TryLock tryLock, int answerMs)
    : tryLock_(tryLock ? tryLock : flockNow)
    , answerMs_(answerMs) {}

QString SingleInstance::privateFolder(bool make) {
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
        if (make ? makePrivate(folder) : isPrivate(QFile::encodeName(folder)))
            return QDir::cleanPath(folder);
    }
    return {};
}

SingleInstance::Outcome SingleInstance::claim(const QString& key, const QStringList& arguments,
                                              Reach reach) {
    const bool handOverOnly = reach == Reach::HandOverOnly;
    // A start that only hands over makes nothing: no folder, no file.
    folderPath_ = privateFolder(!handOverOnly);
    folder_ = folderPath_.isEmpty() ? -1
                                    : ::open(QFile::encodeName(folderPath_).constData(),
                                             O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    hash_ = folderHash(key);
    if (!openLock(key, !handOverOnly))
        return Outcome::Refused;
    if (lock_ < 0)
        return handOverOnly ? Outcome::NoneRunning : Outcome::Claimed;
    // Only a live copy holds the lock; whatever the file says is of no
    // account until then.
    const int refused = tryLock_(lock_);
    if (refused == 0) {
        if (!handOverOnly)
            return listenHere();
        release();
        return Outcome::NoneRunning;
    }
    // A launcher on Wayland hands its start a token that lets the running
    // copy come forward in its place; one too long to be a token is left
    // out, not the command line.
    wire::Start start{qgetenv("XDG_ACTIVATION_TOKEN"), arguments};
    if (start.token.size() > wire::kLongestToken)
        start.token.clear();
    const QByteArray packed = wire::pack(start);
    // A file system that takes no locks (NFS without its lock service)
    // cannot keep a second copy out; a copy that listens still gets the
    // command line.
    Said unguarded;
    if (refused != EWOULDBLOCK) {
        unguarded = [folder = QDir::cleanPath(key), refused] {
            return tr("the settings folder %1 takes no lock (%2): a second copy on it cannot be "
                      "kept out")
                .arg(folder, qt_error_string(refused));
        };
    }
    if (packed.size() > wire::kLongestRequest && !unguarded) {
        message_ = [] {
            return tr("the command is too long to hand to the running copy; nothing was done");
        };
        return Outcome::TooLong;
    }
    return handOver(packed.size() > wire::kLongestRequest
                        ? QByteArray()
                        : wire::request(wire::Kind::Start, packed),
                    handOverOnly, unguarded);
}

bool SingleInstance::openLock(const QString& key, bool make) {
    // Every start on one settings folder meets at the lock beside the
    // settings, whatever its environment says (cron has no runtime folder).
    const QString path = QDir(key).filePath(QLatin1String(kLockName));
    if (make)
        QDir().mkpath(key);
    lock_ = openFolderLock(QFile::encodeName(path), make);
    const int error = errno;
    if (lock_ < 0 && error != ENOENT) {
        // Another user's, or no longer a file: a copy may hold it that this
        // start cannot see.
        message_ = [path, error] {
            return tr("cannot take the lock %1 (%2): a copy of another user's may be using "
                      "these settings, and no second copy runs beside it")
                .arg(path, qt_error_string(error));
        };
        return false;
    }
    // Where the folder cannot hold one, in the private folder.
    if (lock_ < 0 && folder_ >= 0) {
        lock_ = ::openat(folder_, ("quorbel-" + hash_ + ".lock").constData(),
                         O_RDWR | O_CLOEXEC | O_NOFOLLOW | (make ? O_CREAT : 0), 0600);
    }
    // Where there is neither, the folder itself is the lock: never two
    // copies, though a later start cannot reach this one.
    if (lock_ < 0)
        lock_ = ::open(QFile::encodeName(key).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return true;
}

SingleInstance::Outcome SingleInstance::handOver(const QByteArray& request, bool handOverOnly,
                                                 const Said& unguarded) {
    const QDeadlineTimer deadline(answerMs_);
    using How = wire::Heard::How;
    for (;;) {
        char named[4096];
        const ssize_t length = ::pread(lock_, named, sizeof named, 0);
        const QByteArray path = length > 0 ? QByteArray(named, length) : QByteArray();
        wire::Heard heard;
        if (!path.isEmpty() && !request.isEmpty())
            heard = wire::exchange(path, request, deadline, kActedMs);
        // A copy that could not write its socket into the lock (one it
        // could only read) listens at the first name in the private folder.
        const QByteArray first = QFile::encodeName(folderPath_) + '/' + socketName(hash_, 0);
        if (heard.how == How::NoOne && folder_ >= 0 && !request.isEmpty() && first != path)
            heard = wire::exchange(first, request, deadline, kActedMs);
        if (heard.how == How::Answered) {
            answer_ = {heard.status, QString::fromUtf8(heard.text)};
            return Outcome::HandedOver;
        }
        // Sent, and never taken: sending again would act twice.
        if (heard.how == How::Unanswered) {
            message_ = &unanswered;
            return Outcome::Unanswered;
        }
        if (heard.how == How::Stranger) {
            message_ = [] {
                return tr("a copy of another user's holds these settings, and no second copy "
                          "runs beside it");
            };
            return Outcome::Refused;
        }
        // No one listens where the lock says: the copy is on its way to
        // listening, or has just ended. Without a lock, no one runs.
        const bool noneRuns = unguarded || tryLock_(lock_) == 0;
        if (noneRuns && handOverOnly) {
            release();
            return Outcome::NoneRunning;
        }
        if (noneRuns) {
            message_ = unguarded;
            return listenHere();
        }
        if (deadline.hasExpired()) {
            message_ = &unanswered;
            return Outcome::Unanswered;
        }
        QThread::msleep(kTryMs);
    }
}

SingleInstance::Outcome SingleInstance::listenHere() {
    char old[4096];
    const ssize_t oldLength = ::pread(lock_, old, sizeof old, 0);
    for (int n = 0; folder_ >= 0 && n < kSocketNames && !bindSocket(socketName(hash_, n)); ++n) {
    }
    // The lock file names the socket for later starts; one that cannot be
    // written (another user's) still keeps a second copy out.
    const QByteArray socket = QFile::encodeName(folderPath_) + '/' + socketName_;
    if (listening_ >= 0 && ::ftruncate(lock_, 0) == 0)
        writeAll(lock_, socket);
    if (oldLength > 0 && QByteArray(old, oldLength) != socket)
        removeDeadSocket(QByteArray(old, oldLength), hash_);
    return Outcome::Claimed;
}

bool SingleInstance::bindSocket(const QByteArray& name) {
    sockaddr_un address;
    if (!wire::socketAddress(QFile::encodeName(folderPath_), folder_, name, address))
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

void SingleInstance::listen(std::function<void(const QStringList&, Instance::Reply)> heard) {
    listeners_.started = [this, heard = std::move(heard)](
                             const wire::Start& start,
                             std::function<void(int, const QString&)> reply) {
        if (!start.token.isEmpty() && start.token.size() <= wire::kLongestToken)
            emit tokenGiven(start.token);
        if (heard)
            heard(start.arguments,
                  [reply](const Instance::Response& answer) { reply(answer.status, answer.text); });
    };
    if (listening_ < 0 || notifier_)
        return;
    notifier_ = new QSocketNotifier(listening_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::accept);
}

QList<QByteArray> SingleInstance::sockets(const QString& key) {
    QList<QByteArray> found;
    // Where the lock names it; a probe never makes the lock, nor takes it.
    const int lock = ::open(QFile::encodeName(QDir(key).filePath(QLatin1String(kLockName))),
                            O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (lock >= 0) {
        char named[4096];
        const ssize_t length = ::pread(lock, named, sizeof named, 0);
        if (length > 0)
            found << QByteArray(named, length);
        ::close(lock);
    }
    // A copy on a lock it could only read listens at the first name.
    const QString folder = privateFolder(false);
    const QByteArray first = QFile::encodeName(folder) + '/' + socketName(folderHash(key), 0);
    if (!folder.isEmpty() && !found.contains(first))
        found << first;
    return found;
}

QString SingleInstance::unanswered() {
    return tr("another copy holds these settings but does not answer");
}

std::optional<QByteArray> SingleInstance::askState(const QString& key, QString* message,
                                                   int answerMs) {
    const QDeadlineTimer deadline(answerMs);
    for (const QByteArray& socket : sockets(key)) {
        const wire::Heard heard =
            wire::exchange(socket, wire::request(wire::Kind::Status), deadline);
        if (heard.how == wire::Heard::How::Answered)
            return heard.text;
        // A copy that is there and says nothing is not a copy that is gone.
        if (heard.how != wire::Heard::How::NoOne) {
            if (message)
                *message = heard.how == wire::Heard::How::Stranger
                               ? tr("a copy of another user's holds these settings")
                               : unanswered();
            return std::nullopt;
        }
    }
    return std::nullopt;
}

void SingleInstance::answerProbes(std::function<QByteArray()> state) {
    listeners_.state = std::move(state);
}

void SingleInstance::announceChange() {
    for (wire::Caller* watcher : std::as_const(watchers_))
        watcher->sendState();
}

void SingleInstance::accept() {
    while (callers_ < kMostCallers) {
        const int fd = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0 && errno == EINTR)
            continue;
        if (fd < 0) {
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
        auto* caller = new wire::Caller(this, fd, listeners_);
        connect(caller, &wire::Caller::read, this, [this, caller] {
            callerDone();
            // A watcher stays, one of so many.
            if (caller->watching() && watchers_.size() < kMostWatchers)
                watchers_ << caller;
            else if (caller->watching())
                caller->deleteLater();
        });
        connect(caller, &wire::Caller::finished, this,
                [this, caller] { watchers_.removeAll(caller); });
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

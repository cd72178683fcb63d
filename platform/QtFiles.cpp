// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program and the user's settings are, and replacing a file in
// one step.
#include "QtPlatform.h"

#include "WriteAll.h"
#include "core/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include "core/TextFile.h"
#include <algorithm>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

QString executableFolder() {
    // The file behind every link, as the system started it.
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    return QFileInfo(QFile::decodeName(QByteArray(path, length))).absolutePath();
}

namespace {

// A folder named by the environment counts only when it is absolute, as
// the XDG base directory rules say: a relative one would land in whatever
// the current folder is.
QString absoluteFromEnvironment(const char* name) {
    const QString value = qEnvironmentVariable(name);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
}

} // namespace

QString homeFolder() {
    QString home = absoluteFromEnvironment("HOME");
    if (home.isEmpty()) {
        if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
            home = QFile::decodeName(user->pw_dir);
    }
    return QDir::isAbsolutePath(home) ? home : QString();
}

QString userConfigHome() {
    const QString config = absoluteFromEnvironment("XDG_CONFIG_HOME");
    if (!config.isEmpty())
        return config;
    const QString home = homeFolder();
    return home.isEmpty() ? QString() : QDir(home).filePath(QStringLiteral(".config"));
}

QString QtPlatform::executableDir() const {
    return executableDir_;
}

QString QtPlatform::configHome() const {
    return userConfigHome();
}

namespace {

// An unfinished save of "prefs.qbx" is ".prefs.qbx.quorbel-save-<process>-<n>":
// hidden, the program's, and no name a user would give a file, so that the
// clean-up takes none of theirs.
const QString kPartMark = QStringLiteral(".quorbel-save-");

// What a save killed between its link and its rename left beside a file:
// a part named for a process that no longer runs.
void removeLeftovers(const QByteArray& target) {
    const QFileInfo file(QFile::decodeName(target));
    const QDir folder = file.absoluteDir();
    const QString prefix = u'.' + file.fileName() + kPartMark;
    static const QRegularExpression numbers(QStringLiteral("^([1-9][0-9]{0,9})-[0-9]{1,2}$"));
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        const QRegularExpressionMatch match =
            name.startsWith(prefix) ? numbers.match(QStringView(name).mid(prefix.size()))
                                    : QRegularExpressionMatch();
        const qint64 pid = match.hasMatch() ? match.captured(1).toLongLong() : 0;
        if (pid > 0 && pid <= INT_MAX && pid != ::getpid() && ::kill(pid_t(pid), 0) != 0 &&
            errno == ESRCH)
            QFile::remove(folder.filePath(name));
    }
}

// A file of the folder's own with no name yet; -1 where the file system
// has none such.
int openUnnamed(const QByteArray& folder) {
#ifdef O_TMPFILE
    return ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#else
    Q_UNUSED(folder);
    errno = EOPNOTSUPP;
    return -1;
#endif
}

// The name of a part written beside the file, unique to this process.
QByteArray partName(const QByteArray& target, int attempt) {
    const qsizetype slash = target.lastIndexOf('/');
    return target.left(slash + 1) + '.' + target.mid(slash + 1) + kPartMark.toLatin1() +
           QByteArray::number(qint64(::getpid())) + '-' + QByteArray::number(attempt);
}

// The folder's entry to the disk too. The file is in place whatever this
// says, so it cannot fail the replacement.
void syncFolder(const QByteArray& folder) {
    const int entry = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (entry >= 0) {
        ::fsync(entry);
        ::close(entry);
    }
}

} // namespace

namespace {

// Not QSaveFile: it takes a failed fsync for success and never syncs the
// folder, so a crash just after a "successful" save could still lose the
// file; nor does it keep a link pointing where it did.
bool replaceFile(const QString& path, const QByteArray& bytes) {
    // A file is only ever written where it was meant to be, never in
    // whatever the current folder happens to be.
    if (QDir::isRelativePath(path))
        return false;
    // A link keeps pointing where it did; what it points to is replaced.
    const QFileInfo info(path);
    const QString resolved = info.isSymLink() ? info.canonicalFilePath() : QString();
    const QString file = resolved.isEmpty() ? path : resolved;
    const QByteArray target = QFile::encodeName(file);
    const QByteArray folder = QFile::encodeName(QFileInfo(file).absolutePath());
    removeLeftovers(target);

    // The content is written into a file without a name, so that a program
    // killed meanwhile leaves nothing behind; it is named beside the file,
    // on the same file system, so that the rename replaces it in one step.
    const int unnamed = openUnnamed(folder);
    QByteArray part;
    int fd = unnamed;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        part = partName(target, attempt);
        fd = ::open(part.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    // The file keeps who may read it, and stays the user's to read and write
    // whatever it was.
    struct stat old {};
    if (::stat(target.constData(), &old) == 0)
        ::fchmod(fd, (old.st_mode & 07777) | S_IRUSR | S_IWUSR);

    // Every step is checked: a full disk may show only at the sync, and a
    // network file system only at the close.
    bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (written && unnamed >= 0) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        written = false;
        for (int attempt = 0; !written && attempt < 100; ++attempt) {
            part = partName(target, attempt);
            written = ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, part.constData(),
                               AT_SYMLINK_FOLLOW) == 0;
            if (!written && errno != EEXIST)
                break;
        }
        if (!written)
            part.clear();
    }
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(part.constData(), target.constData()) != 0) {
        if (!part.isEmpty())
            ::unlink(part.constData());
        return false;
    }
    syncFolder(folder);
    return true;
}

} // namespace

bool QtPlatform::replace(const QString& path, const QByteArray& bytes) {
    if (replaceFile(path, bytes))
        return true;
    qCWarning(lcQuorbel, "cannot write %s: %s", qUtf8Printable(path), std::strerror(errno));
    return false;
}

namespace {

bool unsupported(int error) {
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == EPERM;
}

// A new name that never takes the place of anything: where the file
// system cannot rename so, a second link fails on a taken name too; a
// folder, or a file system with neither, has its new name looked at first.
bool renameFree(const QByteArray& source, const QByteArray& target) {
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    if (!unsupported(errno))
        return false;
    struct stat entry {};
    if (::lstat(source.constData(), &entry) != 0)
        return false;
    if (!S_ISDIR(entry.st_mode)) {
        if (::linkat(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), 0) == 0) {
            if (::unlink(source.constData()) == 0)
                return true;
            const int error = errno;
            ::unlink(target.constData());
            errno = error;
            return false;
        }
        if (!unsupported(errno))
            return false;
    }
    if (::lstat(target.constData(), &entry) == 0 || errno != ENOENT) {
        errno = EEXIST;
        return false;
    }
    return ::rename(source.constData(), target.constData()) == 0;
}

} // namespace

bool QtPlatform::rename(const QString& from, const QString& to) {
    return QDir::isAbsolutePath(from) && QDir::isAbsolutePath(to) &&
           renameFree(QFile::encodeName(from), QFile::encodeName(to));
}

bool QtPlatform::remove(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    return QDir::isAbsolutePath(path) && (::unlink(name.constData()) == 0 || errno == ENOENT);
}

} // namespace platform

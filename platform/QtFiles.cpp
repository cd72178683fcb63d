// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program and the user's settings are, and replacing a file in
// one step.
#include "QtPlatform.h"
#include "WriteAll.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

QString ExecutableFolder() {
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
QString AbsoluteFromEnvironment(const char* name) {
    const QString value = qEnvironmentVariable(name);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
}

} // namespace

QString HomeFolder() {
    QString home = AbsoluteFromEnvironment("HOME");
    if (home.isEmpty()) {
        if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
            home = QFile::decodeName(user->pw_dir);
    }
    return QDir::isAbsolutePath(home) ? home : QString();
}

QString UserConfigHome() {
    const QString config = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    if (!config.isEmpty())
        return config;
    const QString home = HomeFolder();
    return home.isEmpty() ? QString() : QDir(home).filePath(QStringLiteral(".config"));
}

QString QtPlatform::ExecutableDir() const {
    return executableDir_;
}

QString QtPlatform::ConfigHome() const {
    return UserConfigHome();
}

namespace {

const QByteArray kPartMark = ".new-";

// What a save killed between its link and its rename left beside a file:
// a part named for a process that no longer runs.
void RemoveLeftovers(const QByteArray& target) {
    const QFileInfo file(QFile::decodeName(target));
    const QDir folder = file.absoluteDir();
    const QString prefix = file.fileName() + QString::fromLatin1(kPartMark);
    for (const QString& name :
         folder.entryList({prefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System)) {
        const qint64 pid = name.mid(prefix.size()).section(u'-', 0, 0).toLongLong();
        if (pid > 0 && pid != ::getpid() && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            QFile::remove(folder.filePath(name));
    }
}

// A file of the folder's own with no name yet; -1 where the file system
// has none such.
int OpenUnnamed(const QByteArray& folder) {
#ifdef O_TMPFILE
    return ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#else
    Q_UNUSED(folder);
    errno = EOPNOTSUPP;
    return -1;
#endif
}

// The name of a part written beside the file, unique to this process.
QByteArray PartName(const QByteArray& target, int attempt) {
    return target + kPartMark + QByteArray::number(qint64(::getpid())) + '-' +
           QByteArray::number(attempt);
}

// The folder's entry to the disk too. The file is in place whatever this
// says, so it cannot fail the replacement.
void SyncFolder(const QByteArray& folder) {
    const int entry = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (entry >= 0) {
        ::fsync(entry);
        ::close(entry);
    }
}

} // namespace

bool QtPlatform::Replace(const QString& path, const QByteArray& bytes) {
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
    RemoveLeftovers(target);

    // The content is written into a file without a name, so that a program
    // killed meanwhile leaves nothing behind; it is named beside the file,
    // on the same file system, so that the rename replaces it in one step.
    const int unnamed = OpenUnnamed(folder);
    QByteArray part;
    int fd = unnamed;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        part = PartName(target, attempt);
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
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (written && unnamed >= 0) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        written = false;
        for (int attempt = 0; !written && attempt < 100; ++attempt) {
            part = PartName(target, attempt);
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
    SyncFolder(folder);
    return true;
}

bool QtPlatform::Rename(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (QDir::isRelativePath(from) || QDir::isRelativePath(to))
        return false;
    if (::rename(source.constData(), target.constData()) == 0)
        return true;
    // A folder cannot take the place of a file: the file goes first. A
    // folder in the way is never emptied.
    if (errno == ENOTDIR && ::unlink(target.constData()) == 0)
        return ::rename(source.constData(), target.constData()) == 0;
    return false;
}

bool QtPlatform::Remove(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    return QDir::isAbsolutePath(path) && (::unlink(name.constData()) == 0 || errno == ENOENT);
}

namespace {

QString AutostartEntry() {
    return UserConfigHome() + QStringLiteral("/autostart/quorbel.desktop");
}

} // namespace

bool QtPlatform::StartsWithDesktop() const {
    return QFileInfo::exists(AutostartEntry());
}

bool QtPlatform::SetStartsWithDesktop(bool on) {
    const QString entry = AutostartEntry();
    if (!on)
        return !QFileInfo::exists(entry) || QFile::remove(entry);
    // The program as it was started, in the background: the tray only. The
    // path is quoted as the desktop entry format quotes an argument.
    QString program = QCoreApplication::applicationFilePath();
    for (const char* special : {"\\", "\"", "`", "$"})
        program.replace(QLatin1String(special), QStringLiteral("\\") + QLatin1String(special));
    const QByteArray text = "[Desktop Entry]\nType=Application\nName=Quorbel\n"
                            "Comment=Countdown timers, alarms and a stopwatch\n"
                            "Exec=\"" +
                            program.toUtf8() +
                            "\" --background\nIcon=quorbel\nX-GNOME-Autostart-enabled=true\n";
    QDir().mkpath(QFileInfo(entry).absolutePath());
    return Replace(entry, text);
}

} // namespace platform

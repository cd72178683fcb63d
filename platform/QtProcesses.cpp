// SPDX-License-Identifier: GPL-3.0-or-later
// The running processes, ending one, and starting a program or opening a
// document as the desktop would.
#include "QtPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <csignal>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

namespace {

QByteArray procFile(qint64 pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The fields of /proc/PID/stat after the name, which may hold anything:
// the state first, then the parent, the group and the session.
QList<QByteArray> statOf(qint64 pid) {
    const QByteArray stat = procFile(pid, "stat");
    const qsizetype close = stat.lastIndexOf(')');
    return close > 0 ? stat.mid(close + 2).split(' ') : QList<QByteArray>();
}

// A process that has ended but not been reaped still has an entry.
bool isRunning(const QList<QByteArray>& stat) {
    return !stat.isEmpty() && stat[0] != "Z";
}

bool isRunning(qint64 pid) {
    return isRunning(statOf(pid));
}

// As the system decides it for a signal: the user's real or effective id
// is the process's real or saved one, or the user is root.
bool mayEnd(qint64 pid) {
    if (::geteuid() == 0)
        return true;
    for (const QByteArray& line : procFile(pid, "status").split('\n')) {
        if (!line.startsWith("Uid:"))
            continue;
        const QList<QByteArray> ids = line.mid(4).simplified().split(' ');
        for (const QByteArray& id : {ids.value(0), ids.value(2)}) {
            const uint uid = id.toUInt();
            if (!id.isEmpty() && (uid == ::getuid() || uid == ::geteuid()))
                return true;
        }
    }
    return false;
}

QString procLink(qint64 pid, const char* name) {
    char target[4096];
    const QByteArray link = QByteArrayLiteral("/proc/") + QByteArray::number(pid) + '/' + name;
    const ssize_t length = ::readlink(link.constData(), target, sizeof target);
    if (length <= 0)
        return {};
    QByteArray path(target, length);
    // A program replaced on disk while it runs.
    if (path.endsWith(" (deleted)"))
        path.chop(10);
    return QFile::decodeName(path);
}

// An interpreter's script: the first argument after the options that names
// a file, found from the process's own folder.
QString scriptOf(qint64 pid, const QList<QByteArray>& arguments) {
    QString folder;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].isEmpty() || arguments[i].startsWith('-'))
            continue;
        const QString argument = QFile::decodeName(arguments[i]);
        if (!argument.startsWith(u'/') && folder.isEmpty())
            folder = procLink(pid, "cwd");
        const QFileInfo file(QDir(folder).filePath(argument));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

// Field 22 of /proc/PID/stat, counted from the state, which is field 3.
constexpr int kStartTimeField = 22 - 3;

qint64 startTimeOf(qint64 pid) {
    return statOf(pid).value(kStartTimeField).toLongLong();
}

// A handle that names one process for as long as it is open, never a later
// one with the same number; -1 where the system has none.
int openProcessHandle(qint64 pid) {
#ifdef SYS_pidfd_open
    return int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
#else
    Q_UNUSED(pid);
    return -1;
#endif
}

void closeProcessHandle(int handle) {
    if (handle >= 0)
        ::close(handle);
}

void signal(qint64 pid, int handle, int number) {
#ifdef SYS_pidfd_send_signal
    if (handle >= 0) {
        ::syscall(SYS_pidfd_send_signal, handle, number, nullptr, 0);
        return;
    }
#endif
    Q_UNUSED(handle);
    ::kill(pid_t(pid), number);
}

} // namespace

QList<RunningProcess> QtPlatform::snapshot() {
    QList<qint64> pids;
    QDirIterator entries(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        bool number = false;
        const qint64 pid = entries.nextFileInfo().fileName().toLongLong(&number);
        if (number)
            pids.append(pid);
    }
    std::sort(pids.begin(), pids.end());
    QList<RunningProcess> table;
    for (qint64 pid : pids) {
        const QList<QByteArray> stat = statOf(pid);
        if (!isRunning(stat))
            continue;
        RunningProcess process;
        process.pid = pid;
        process.parent = stat.value(1).toLongLong();
        process.session = stat.value(3).toLongLong();
        process.started = stat.value(kStartTimeField).toLongLong();
        process.mayEnd = mayEnd(pid);
        process.executable = procLink(pid, "exe");
        const QList<QByteArray> arguments = procFile(pid, "cmdline").split('\0');
        process.firstArgument = QFile::decodeName(arguments.value(0));
        process.script = scriptOf(pid, arguments);
        table.append(process);
    }
    lastSnapshot_ = table;
    return table;
}

qint64 QtPlatform::self() {
    return QCoreApplication::applicationPid();
}

void QtPlatform::terminate(qint64 pid) {
    // The process of the snapshot, and no other that took its number
    // since: its handle is taken first, then its start time compared.
    const auto snapshot = std::find_if(lastSnapshot_.cbegin(), lastSnapshot_.cend(),
                                       [pid](const RunningProcess& p) { return p.pid == pid; });
    if (snapshot == lastSnapshot_.cend())
        return;
    const int handle = openProcessHandle(pid);
    if (startTimeOf(pid) != snapshot->started) {
        closeProcessHandle(handle);
        return;
    }
    ending_.insert(pid, handle);
    signal(pid, handle, SIGTERM);
}

void QtPlatform::kill(qint64 pid) {
    // Through the handle taken at the request to end: a process that has
    // gone meanwhile is gone for the handle too, whoever has its number now.
    if (!ending_.contains(pid))
        return;
    const int handle = ending_.take(pid);
    if (handle >= 0 || isRunning(pid))
        signal(pid, handle, SIGKILL);
    closeProcessHandle(handle);
}

namespace {

// A program is a file with the run bit that starts as one: an ELF binary
// or a script with "#!". A text file with the run bit is a document.
QByteArray programHead(const QFileInfo& file) {
    if (!file.isFile() || !file.isExecutable())
        return {};
    QFile content(file.absoluteFilePath());
    if (!content.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = content.readLine(256);
    return head.startsWith("\x7f"
                           "ELF") ||
                   head.startsWith("#!")
               ? head
               : QByteArray();
}

// The program a "#!" line runs, behind its links; through env, the
// program env looks up on PATH.
QString interpreterOf(const QByteArray& head) {
    if (!head.startsWith("#!"))
        return {};
    const QList<QByteArray> words = head.mid(2).simplified().split(' ');
    QString program = QFile::decodeName(words.value(0));
    if (QFileInfo(program).fileName() == QLatin1String("env")) {
        for (qsizetype i = 1; i < words.size(); ++i) {
            if (!words[i].startsWith('-')) {
                program = QStandardPaths::findExecutable(QFile::decodeName(words[i]));
                break;
            }
        }
    }
    return program.isEmpty() ? QString() : QFileInfo(program).canonicalFilePath();
}

// The system would start the file: a regular file the user may run, on a
// file system that lets programs run.
bool mayRun(const QString& path) {
    if (path.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(path);
    struct stat file {};
    struct statvfs mount {};
    return ::stat(name.constData(), &file) == 0 && S_ISREG(file.st_mode) &&
           ::access(name.constData(), X_OK) == 0 && ::statvfs(name.constData(), &mount) == 0 &&
           !(mount.f_flag & ST_NOEXEC);
}

} // namespace

Launchable QtPlatform::find(const QString& file) {
    // A name without a folder is looked up as a shell or launcher would;
    // every other is made absolute, so that nothing reaches a program as
    // an option.
    const QString path = file.contains(u'/') ? QFileInfo(file).absoluteFilePath()
                                             : QStandardPaths::findExecutable(file);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || !info.isReadable())
        return {};
    Launchable found;
    found.path = path;
    if (info.isSymLink())
        found.target = info.canonicalFilePath();
    const QByteArray head = programHead(info);
    if (!head.isEmpty()) {
        // A program the system would refuse to start is no program to end
        // a running copy of.
        found.interpreter = interpreterOf(head);
        if (!mayRun(path) || (head.startsWith("#!") && !mayRun(found.interpreter)))
            return {};
    } else if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) {
        return {};
    }
    return found;
}

void QtPlatform::launch(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return;
    // Never through a shell: no file name can run a command of its own.
    if (!programHead(info).isEmpty())
        QProcess::startDetached(info.absoluteFilePath(), {});
    else
        QProcess::startDetached(QStringLiteral("xdg-open"), {info.absoluteFilePath()});
}

} // namespace platform

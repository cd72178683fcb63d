// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSaveFile>
#include <QWidget>
#include <algorithm>

namespace platform {

void FakePlatform::setPos(QPoint pos) {
    pointer = pos;
    pointerMoves.append(pos);
}

Questions::Answer FakePlatform::ask(Kind kind, const QString& title, const QString& text,
                                    Button pointer) {
    asked.append({kind, title, text, pointer});
    if (whileAsking)
        whileAsking();
    if (endRequested)
        return Answer::Yes;
    return answers.isEmpty() ? Answer::Closed : answers.takeFirst();
}

void FakePlatform::setStayOnTop(QWidget*, bool top) {
    onTop = top;
    ++onTopChanges;
}

bool FakePlatform::replace(const QString& path, const QByteArray& bytes) {
    if (bytesFree >= 0 && bytes.size() > bytesFree)
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool FakePlatform::rename(const QString& from, const QString& to) {
    const QFileInfo taken(to);
    return !taken.exists() && !taken.isSymLink() && QDir().rename(from, to);
}

bool FakePlatform::remove(const QString& path) {
    return QFile::remove(path) || !QFileInfo::exists(path);
}

void FakePlatform::show(QWidget* window) {
    window->showNormal();
}

void FakePlatform::alert(QWidget* window) {
    window->showNormal();
    ++alerts;
}

void FakePlatform::raise(QWidget* window) {
    window->showNormal();
    ++raises;
}

void FakePlatform::startMove(QWidget*) {
    ++moves;
}

void FakePlatform::play(const QString& path) {
    played.append(path);
}

bool FakePlatform::add(const QIcon& icon, const QString& tip) {
    trayCalls.append(QStringLiteral("add"));
    if (!trayAvailable)
        return false;
    trayIcon = icon;
    trayTip = tip;
    return true;
}

void FakePlatform::modify(const QIcon& icon, const QString& tip) {
    trayCalls.append(QStringLiteral("modify"));
    trayIcon = icon;
    trayTip = tip;
}

void FakePlatform::removeIcon() {
    trayCalls.append(QStringLiteral("delete"));
    trayIcon = QIcon();
}

void FakePlatform::clickTray(Qt::MouseButton button) {
    if (!trayListener)
        return;
    using M = Mouse;
    if (button == Qt::LeftButton) {
        trayListener(M::LeftDown);
        trayListener(M::LeftUp);
    } else if (button == Qt::RightButton) {
        if (trayMenu)
            trayMenu->popup(QPoint());
        trayListener(M::RightDown);
        trayListener(M::RightUp);
    } else {
        trayListener(M::MiddleDown);
        trayListener(M::MiddleUp);
    }
}

void FakePlatform::after(int milliseconds, QObject* context, std::function<void()> then) {
    events << QStringLiteral("after %1").arg(milliseconds);
    pending.append({boot + milliseconds, context, std::move(then)});
}

void FakePlatform::advance(int milliseconds) {
    const qint64 end = boot + milliseconds;
    for (;;) {
        auto next =
            std::min_element(pending.begin(), pending.end(),
                             [](const Pending& a, const Pending& b) { return a.due < b.due; });
        if (next == pending.end() || next->due > end)
            break;
        const Pending due = *next;
        pending.erase(next);
        boot = due.due;
        if (due.context)
            due.then();
    }
    boot = end;
}

QList<RunningProcess> FakePlatform::snapshot() {
    QList<RunningProcess> table;
    for (const Process& process : processes) {
        if (!process.running)
            continue;
        RunningProcess entry;
        entry.pid = process.pid;
        entry.parent = process.parent;
        entry.session = process.session;
        entry.mayEnd = process.mayEnd;
        entry.executable = process.executable;
        entry.firstArgument = process.firstArgument;
        entry.script = process.script;
        table.append(entry);
    }
    std::sort(table.begin(), table.end(),
              [](const RunningProcess& a, const RunningProcess& b) { return a.pid < b.pid; });
    return table;
}

void FakePlatform::terminate(qint64 pid) {
    events << QStringLiteral("terminate %1").arg(pid);
    for (Process& process : processes) {
        if (process.pid == pid && process.obliging)
            process.running = false;
    }
}

void FakePlatform::kill(qint64 pid) {
    for (Process& process : processes) {
        if (process.pid == pid && process.running) {
            process.running = false;
            events << QStringLiteral("kill %1").arg(pid);
        }
    }
}

Launchable FakePlatform::find(const QString& file) {
    if (files.contains(file))
        return files.value(file);
    return otherFilesExist ? Launchable{file, {}, {}} : Launchable{};
}

void FakePlatform::launch(const QString& path) {
    events << QStringLiteral("open ") + path;
    // A program opened runs as itself, with the next id.
    static qint64 nextPid = 50000;
    if (programs.contains(path))
        processes.append({++nextPid, path, path, {}});
}

} // namespace platform

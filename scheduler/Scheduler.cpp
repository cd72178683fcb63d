// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scheduler.h"

#include "ScheduleRecord.h"
#include "core/Convert.h"
#include "core/LocalMinute.h"

#include <QHash>
#include <QSet>

Scheduler::Scheduler(QWidget& window, MenuItem* open, const UserFiles& files,
                     platform::Platform platform, HandlerEntry enter, QObject* parent)
    : QObject(parent)
    , window_(window)
    , files_(files)
    , platform_(platform) {
    connect(&beat_, &IntervalTimer::timeout, this, [this, enter] { enter([this] { run(); }); });
    connect(open, &MenuItem::clicked, this, [this, enter] {
        enter([this] {
            if (dialog_)
                dialog_->exec();
        });
    });
    beat_.setInterval(1000);
}

ScheduleDialog* Scheduler::createDialog() {
    if (!dialog_) {
        dialog_ = new ScheduleDialog(window_, beat_, files_, platform_);
        // The minutes the schedule was paused for are not made up later:
        // a record whose minute passed meanwhile waits for the next day.
        connect(dialog_, &QDialog::finished, this,
                [this] { lastMinute_ = localMinute(platform_.clock.wallMs()); });
    }
    return dialog_;
}

void Scheduler::run() {
    if (dialog_) {
        const LineList list = dialog_->lines();
        for (const qint64 minute : minutesDue(localMinute(platform_.clock.wallMs()))) {
            const int current = int(minute % (24 * 60) / 60 * 100 + minute % 60);
            for (const QString& line : list.lines()) {
                // A line with a tilde, or one whose time cannot be read, is
                // passed over; the records after it still run.
                if (recordTime(line) == current)
                    launches_.append(recordFile(line));
            }
        }
    }
    beat_.setInterval(60000);
    if (!launching_)
        launchNext();
}

QList<qint64> Scheduler::minutesDue(qint64 now) {
    constexpr qint64 kGraceMinutes = 10;
    constexpr qint64 kDay = 24 * 60;
    // However the firings fall against the clock's minutes, a record runs
    // at most once in its minute: the minutes since the last run, those
    // the clock jumped over (a resume, the clock set forward, the spring
    // change) within the grace. A minute lived twice (the clock set back,
    // the autumn change) ran the first time; a clock set back by more than
    // a day was wrong before, and the schedule starts again from now.
    qint64 from = now;
    if (lastMinute_ && now - lastMinute_ >= -kDay)
        from = qMax(lastMinute_ + 1, now - kGraceMinutes + 1);
    QList<qint64> due;
    for (qint64 minute = from; minute <= now; ++minute)
        due.append(minute);
    if (!due.isEmpty())
        lastMinute_ = now;
    return due;
}

void Scheduler::launchNext() {
    while (!launches_.isEmpty()) {
        const platform::Launchable program = platform_.shell.find(launches_.takeFirst());
        // A file that can be neither started nor opened would leave
        // nothing in the place of the program it ended.
        if (program.path.isEmpty())
            continue;
        const RunningCopy copy = endRunningCopy(program);
        // For this very program a second copy would only hand over to it.
        if (copy.itself)
            continue;
        const qint64 ended = copy.pid;
        // The second to save its work passes in the event loop: the
        // window, the tick and the alerts go on meanwhile.
        launching_ = true;
        platform_.clock.after(1000, this, [this, ended, program] {
            launching_ = false;
            guard([&] {
                if (ended)
                    platform_.processes.kill(ended);
                platform_.shell.launch(program.path);
                launchNext();
            });
        });
        return;
    }
}

RunningCopy Scheduler::endRunningCopy(const platform::Launchable& program) {
    const RunningCopy copy =
        findProcess(platform_.processes.snapshot(), program, platform_.processes.self());
    if (copy.pid)
        platform_.processes.terminate(copy.pid);
    return copy;
}

namespace {

// What one line of a text file must never end: the system's first
// process, the program itself and the chain it was started from, up to
// its session.
QSet<qint64> untouchables(const QList<platform::RunningProcess>& table, qint64 self) {
    QHash<qint64, const platform::RunningProcess*> byPid;
    for (const platform::RunningProcess& process : table)
        byPid.insert(process.pid, &process);
    QSet<qint64> kept{1, self};
    for (const platform::RunningProcess* process = byPid.value(self);
         process && !kept.contains(process->parent); process = byPid.value(process->parent))
        kept.insert(process->parent);
    if (const platform::RunningProcess* own = byPid.value(self))
        kept.insert(own->session);
    return kept;
}

} // namespace

RunningCopy findProcess(const QList<platform::RunningProcess>& table,
                        const platform::Launchable& program, qint64 self) {
    // The names a running copy may go by: the file's, and that of the file
    // its link points to, as a program started through the link shows the
    // target as its executable.
    QStringList names;
    for (const QString& path : {program.path, program.target}) {
        if (!path.isEmpty())
            names << exeKey(exeNameOf(path));
    }
    const auto runs = [&](const platform::RunningProcess& process) {
        QStringList known{exeNameOf(process.executable), exeNameOf(process.firstArgument)};
        // A script runs as its interpreter, with the script as argument.
        if (!program.interpreter.isEmpty() && process.executable == program.interpreter)
            known << exeNameOf(process.script);
        for (const QString& name : known) {
            if (!name.isEmpty() && names.contains(exeKey(name)))
                return true;
        }
        return false;
    };
    RunningCopy copy;
    const QSet<qint64> untouchable = untouchables(table, self);
    for (const platform::RunningProcess& process : table) {
        if (!runs(process))
            continue;
        if (process.pid == self)
            return {true, 0};
        if (!copy.pid && process.mayEnd && !untouchable.contains(process.pid))
            copy.pid = process.pid;
    }
    return copy;
}

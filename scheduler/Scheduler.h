// SPDX-License-Identifier: GPL-3.0-or-later
// The scheduled launches: once a minute, every record of the schedule list
// whose time has come ends the running copy of its program and opens its
// file. The list is the "Start Program" dialog's, made after the window's
// first frame and opened from the background menu's "Processes".
#pragma once

#include "ScheduleDialog.h"
#include "core/Guard.h"
#include "core/UserFiles.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"
#include "widgets/IntervalTimer.h"

#include <QObject>
#include <QStringList>

// A process runs a program when its executable, its first argument, or for
// a script the file its interpreter runs, has the program's file name (or
// that of the file its link points to), the letters a to z in either case.
struct RunningCopy {
    // The program itself runs it.
    bool itself = false;
    // The first process that runs it and that one line of a text file may
    // end: the user may signal it, and it is neither the system's first
    // process nor one the program was started from (its parents, up to
    // its session); 0 when none.
    qint64 pid = 0;
};
RunningCopy findProcess(const QList<platform::RunningProcess>& table,
                        const platform::Launchable& program, qint64 self);

class Scheduler : public QObject {
    Q_OBJECT
public:
    Scheduler(QWidget& window, MenuItem* open, const UserFiles& files, platform::Platform platform,
              HandlerEntry enter, QObject* parent);

    // Made hidden, once for the whole run; it loads "proc.qbx".
    ScheduleDialog* createDialog();
    ScheduleDialog* dialog() const { return dialog_; }

    // The run once a minute (the first one a second after start).
    void run();
    // How long until the next run, in milliseconds.
    int period() const { return beat_.interval(); }

private:
    // The minutes of the local clock whose records run now.
    QList<qint64> minutesDue(qint64 now);
    // Starts the next of the records due, one after the other.
    void launchNext();
    // Ends the running copy of a program, which it returns.
    RunningCopy endRunningCopy(const platform::Launchable& program);

    QWidget& window_;
    IntervalTimer beat_{nullptr, QStringLiteral("scheduleBeat"), 0};
    const UserFiles& files_;
    platform::Platform platform_;
    ScheduleDialog* dialog_ = nullptr;
    // The minute of the local clock the schedule last ran in; 0 before
    // the first run.
    qint64 lastMinute_ = 0;
    // The files of the records due and not yet started, and whether one
    // is between its end and its start.
    QStringList launches_;
    bool launching_ = false;
};

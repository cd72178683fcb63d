// SPDX-License-Identifier: GPL-3.0-or-later
// The one-second tick: everything that changes with time, in a fixed order.
#include "TimerRows.h"
#include "tray/TrayIcon.h"
#include "window/MainWindow.h"

void MainWindow::OneSecondTick(QObject*) {
    // The seconds that really passed since the last tick, suspend included:
    // after a stall every timer shows what is really left. Counted against
    // the whole run, so that a tick late by a fraction is made up later.
    const qint64 now = platform_.clock.SinceBoot();
    const int seconds = int(qBound<qint64>(0, qRound64((now - counted_) / 1000.0), kLongestGap));
    counted_ = seconds < kLongestGap ? counted_ + 1000 * qint64(seconds) : now;

    stopwatch_.Advance(seconds);
    ClockStep();
    Alarm1Check();
    Alarm2Check();

    // Seen before the countdowns below, so a timer running out in this tick
    // still counts as running.
    if (!timers_.AnyRunning())
        trayIcon->SetAnimated(false);
    else if (!State.TrayIconFixed)
        trayIcon->SetAnimated(true);

    timers_.TickCountdowns(seconds);
    ReleaseTrayNumber();
    timers_.TickQuickTimers(seconds);

    rows_->AgePopup();
    UpdateTrayHint();
    SettleTrayMenu();
}

void MainWindow::ReleaseTrayNumber() {
    if (!State.TrayIconFixed)
        return;
    for (int n = slot::FirstCountdown; n <= slot::LastCountdown; ++n) {
        if (timers_.InLastMinute(n))
            return;
    }
    // A number that counts nothing down any more would show a time that
    // does not exist.
    trayIcon->LoadIcon(QStringLiteral("M7"));
    State.TrayIconFixed = false;
}

void MainWindow::TimerExpired(int N) {
    // The editor's own visibility: the window itself may be hidden.
    if (!editorPanel->isHidden()) {
        slot::ForEachSlot([this](int n) { SlotPanel(n)->show(); });
        FocusMainPanel();
        editorPanel->hide();
        for (QWidget* control :
             std::initializer_list<QWidget*>{quitPanel, soundStrip, recurStrip, soundBox, recurBox})
            control->show();
    }
    State.EndSoundPending = 1;
    alertTimer->SetInterval(1000);
    // Shown first, minimised or hidden as it may be: changing the flags of
    // a hidden window makes Qt build a new native window when it is shown
    // again.
    platform_.windows.Show(this);
    platform_.windows.SetStayOnTop(this, true);
    platform_.cursor.SetPos(pos() + QPoint(210, slot::IsQuick(N) ? 190 : 220));
    NotifyExpiry(N);
    Announce(N);
}

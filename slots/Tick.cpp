// SPDX-License-Identifier: GPL-3.0-or-later
// The one-second tick: everything that changes with time, in a fixed order.
#include "SlotTime.h"
#include "app/MainWindow.h"
#include "core/Colors.h"
#include "core/SlotFlags.h"
#include "tray/TrayIcon.h"

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

    // Seen before the countdowns below, so a slot expiring in this tick
    // still counts as running.
    if (!AnySlotRunning())
        trayIcon->SetAnimated(false);
    else if (!State.TrayIconFixed)
        trayIcon->SetAnimated(true);

    for (int n = slot::FirstCountdown; n <= slot::LastCountdown; ++n)
        StepCountdownSlot(n, seconds);
    ReleaseTrayNumber();
    for (int n = slot::FirstQuick; n <= slot::LastQuick; ++n)
        StepQuickSlot(n, seconds);

    // The remaining-time popup lives through one tick and goes at the next.
    if (State.RemainingPopupShown == 0 && !timeLeftPopup->isHidden()) {
        State.RemainingPopupShown = 1;
    } else {
        timeLeftPopup->hide();
        State.RemainingPopupShown = 0;
    }
    UpdateTrayHint();
    SettleTrayMenu();
}

void MainWindow::StepCountdownSlot(int N, int seconds) {
    FlatButton* button = SlotButton(N);
    if (!(button->Tag() & slot::Running))
        return;
    TextBox* box = SlotEdit(N);
    const auto now = SlotTime::Parse(box->text());
    if (!now) {
        // Only a slot with a readable time ever starts; should one lose it,
        // stop it rather than let it run for ever.
        button->SetTag(slot::Cleared(button->Tag()));
        box->SetColor(clr::Blue);
        return;
    }
    const CountdownStep step = StepCountdown(*now, seconds);
    box->setText(step.next.Text());
    if (!step.trayIcon.isEmpty()) {
        trayIcon->SetAnimated(false);
        trayIcon->LoadIcon(step.trayIcon);
        State.TrayIconFixed = true;
    }
    if (step.lastSecond) {
        SlotPanel(N)->SetColor(clr::Red);
        trayIcon->LoadIcon(QStringLiteral("M7"));
        State.TrayIconFixed = false;
    }
    // Also when the time ran out within a stall: it rings at once.
    if (step.kind == CountdownStep::Kind::RunOut)
        ExpireSlot(N);
}

void MainWindow::ReleaseTrayNumber() {
    if (!State.TrayIconFixed)
        return;
    for (int n = slot::FirstCountdown; n <= slot::LastCountdown; ++n) {
        const auto time = SlotTime::Parse(SlotEdit(n)->text());
        if ((SlotButton(n)->Tag() & slot::Running) && time && time->hours == 0 &&
            time->minutes == 0)
            return;
    }
    // A number that counts nothing down any more would show a time that
    // does not exist.
    trayIcon->LoadIcon(QStringLiteral("M7"));
    State.TrayIconFixed = false;
}

void MainWindow::StepQuickSlot(int N, int seconds) {
    if (!(SlotButton(N)->Tag() & slot::Running))
        return;
    // A length of 0 or less rings at the first tick; the count never wraps.
    int& left = State.QuickRemaining(N);
    left = int(qMax<qint64>(0, qint64(left) - seconds));
    if (left <= 0)
        ExpireSlot(N);
}

void MainWindow::ExpireSlot(int N) {
    FlatButton* button = SlotButton(N);
    button->SetTag(slot::Expired(button->Tag()));

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

// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's icon in the notification area: its pictures, the click
// that brings the window back, the tip that names the running timers and
// the menu of a right click.
#include "TrayIcon.h"
#include "core/Convert.h"
#include "core/SlotFlags.h"
#include "window/MainWindow.h"

namespace {

const QString kProgram = QStringLiteral("Quorbel");
// The most timers the tip names.
constexpr int kTipTimers = 3;
constexpr int kLongestMenuShowMs = 20000;

} // namespace

void MainWindow::CreateTrayIcon() {
    trayIcon = new TrayIcon(this, QStringLiteral("TrayIcon1"), &platform_.tray);
    trayIcon->SetInterval(450);
    for (int frame = 0; frame < 8; ++frame)
        trayIcon->Icons.Add(TrayPicture(QStringLiteral("frame%1").arg(frame)));
    trayIcon->SetHint(kProgram);
    auto* menu = new PopupMenu(this, QStringLiteral("TrayMenu1"));
    trayIcon->SetPopupMenu(menu);
    // A window on screen is drawn first; the notification area gets the
    // icon a moment later.
    if (isVisible()) {
        trayIcon->SetActive(false);
        AfterFirstFrame([this] { trayIcon->SetActive(true); });
    }
    // The still clock last: setting it puts the icon in the notification area.
    trayIcon->SetIcon(TrayPicture(QStringLiteral("clock")));
    On(trayIcon, &TrayIcon::Click, &MainWindow::TrayIconClick);
    // The entries that are always there; the running timers come between
    // the two separators.
    const auto add = [this, menu](const QString& caption, auto command) {
        QAction* entry = menu->addAction(caption);
        connect(entry, &QAction::triggered, this, [this, command] { Handle([&] { command(); }); });
        return entry;
    };
    add(QStringLiteral("Show"), [this] { platform_.windows.Raise(this); });
    menu->addSeparator();
    trayTimersEnd_ = menu->addSeparator();
    add(QStringLiteral("Quit"), [this] { Quit(quitButton); });
    // A panel that asks for the menu but never says it closed it holds
    // the entries still for a while only.
    trayMenuShowing_.setSingleShot(true);
    trayMenuShowing_.setInterval(kLongestMenuShowMs);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        trayMenuOpen_ = true;
        trayMenuShowing_.start();
        Guard([this] { SettleTrayMenu(); });
    });
    const auto closed = [this] {
        trayMenuOpen_ = false;
        trayMenuShowing_.stop();
    };
    connect(menu, &QMenu::aboutToHide, this, closed);
    connect(&trayMenuShowing_, &QTimer::timeout, this, closed);
}

void MainWindow::UpdateTrayHint() {
    // Nothing to tell a notification area that is not there; and a tip
    // renewed over an open menu may be drawn on top of it.
    if (!trayIcon->Shown() || trayMenuOpen_)
        return;
    QStringList nearest;
    for (const Timers::RunningTimer& timer : timers_.RunningTimers().mid(0, kTipTimers))
        nearest << timer.label + u' ' + DurationText(timer.left);
    trayIcon->SetHint(nearest.isEmpty() ? kProgram : nearest.join(u'\n'));
}

void MainWindow::SettleTrayMenu() {
    if (!trayIcon)
        return;
    QMenu* menu = trayIcon->ContextMenu();
    const QList<Timers::RunningTimer> running = timers_.RunningTimers();
    QList<int> order;
    for (const Timers::RunningTimer& timer : running)
        order << timer.slot;
    // The entries change only while the menu is closed: a panel that shows
    // it in a process of its own (a StatusNotifierItem host) fetches them
    // once, as it opens, and a change while it shows leaves it half drawn.
    if (order != trayMenuSlots_ && !trayMenuOpen_) {
        for (QAction* entry : std::exchange(trayTimerEntries_, {})) {
            menu->removeAction(entry);
            entry->deleteLater();
        }
        for (int n : order) {
            auto* entry = new QAction(menu);
            // Chosen, it stops the timer as a click on its button would.
            connect(entry, &QAction::triggered, this, [this, n] {
                Handle([this, n] {
                    if (timers_.IsRunning(n))
                        ToggleSlot(n);
                });
            });
            menu->insertAction(trayTimersEnd_, entry);
            trayTimerEntries_ << entry;
        }
        trayMenuSlots_ = order;
    }
    // The times as they are now, each as wide as it was when the menu
    // opened: figure spaces keep a shorter time from narrowing it.
    for (qsizetype i = 0; i < trayTimerEntries_.size(); ++i) {
        for (const Timers::RunningTimer& timer : running) {
            if (timer.slot != trayMenuSlots_[i])
                continue;
            QString left = DurationText(timer.left);
            const qsizetype shown = trayTimerEntries_[i]->text().size() - timer.label.size() - 1;
            if (trayMenuOpen_ && left.size() < shown)
                left.prepend(QString(shown - left.size(), QChar(0x2007)));
            const QString text = timer.label + u' ' + left;
            if (trayTimerEntries_[i]->text() != text)
                trayTimerEntries_[i]->setText(text);
        }
    }
}

void MainWindow::TrayIconClick(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
    // Shown, even from the task bar's minimised state, and above the
    // windows that may have buried it.
    platform_.windows.Raise(this);
    platform_.cursor.SetPos(pos() + QPoint(210, 220));
}

void MainWindow::AnimateTray(bool timersRunning) {
    if (!timersRunning)
        trayIcon->SetAnimated(false);
    else if (!State.TrayIconFixed)
        trayIcon->SetAnimated(true);
}

void MainWindow::ShowTrayNumber(const QString& number) {
    if (number.isEmpty()) {
        trayIcon->LoadIcon(QStringLiteral("M7"));
        State.TrayIconFixed = false;
        return;
    }
    trayIcon->SetAnimated(false);
    trayIcon->LoadIcon(number);
    State.TrayIconFixed = true;
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
    ShowTrayNumber({});
}

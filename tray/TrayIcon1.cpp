// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's icon in the notification area: its pictures, the click
// that brings the window back, the tip that names the running timers and
// the menu of a right click.
#include "TrayIcon.h"
#include "app/Unit1.h"
#include "core/Convert.h"
#include "core/SlotFlags.h"

namespace {

const QString kProgram = QStringLiteral("Quorbel");
// The most timers the tip names.
constexpr int kTipTimers = 3;

} // namespace

void TAForm1::CreateTrayIcon() {
    TrayIcon1 = new TTrayIcon(this, QStringLiteral("TrayIcon1"), &platform_.tray);
    TrayIcon1->SetInterval(450);
    for (int frame = 0; frame < 8; ++frame)
        TrayIcon1->Icons.Add(TrayPicture(QStringLiteral("frame%1").arg(frame)));
    TrayIcon1->SetHint(kProgram);
    auto* menu = new TPopupMenu(this, QStringLiteral("TrayMenu1"));
    TrayIcon1->SetPopupMenu(menu);
    // A window on screen is drawn first; the notification area gets the
    // icon a moment later.
    if (isVisible()) {
        TrayIcon1->SetActive(false);
        AfterFirstFrame([this] { TrayIcon1->SetActive(true); });
    }
    // The still clock last: setting it puts the icon in the notification area.
    TrayIcon1->SetIcon(TrayPicture(QStringLiteral("clock")));
    On(TrayIcon1, &TTrayIcon::Click, &TAForm1::TrayIcon1Click);
    On(menu, &QMenu::aboutToShow, &TAForm1::TrayMenu1Popup);
    // Filled at once too: a panel may look at it before it opens it.
    TrayMenu1Popup(menu);
}

void TAForm1::UpdateTrayHint() {
    // Nothing to tell a notification area that is not there.
    if (!TrayIcon1->Shown())
        return;
    QStringList nearest;
    for (const RunningTimer& timer : RunningTimers().mid(0, kTipTimers))
        nearest << timer.label + u' ' + DurationText(timer.left);
    TrayIcon1->SetHint(nearest.isEmpty() ? kProgram : nearest.join(u'\n'));
}

void TAForm1::TrayMenu1Popup(QObject*) {
    // Made afresh each time it opens, with the times left as they are now.
    QMenu* menu = TrayIcon1->PopupMenu();
    menu->clear();
    const auto add = [this, menu](const QString& caption, auto command) {
        connect(menu->addAction(caption), &QAction::triggered, this,
                [this, command] { Handle([&] { command(); }); });
    };
    add(QStringLiteral("Show"), [this] { platform_.windows.Raise(this); });
    menu->addSeparator();
    for (const RunningTimer& timer : RunningTimers()) {
        // Chosen, it stops the timer as a click on its button would.
        add(timer.label + u' ' + DurationText(timer.left),
            [this, n = timer.slot] { ToggleSlot(n); });
    }
    menu->addSeparator();
    add(QStringLiteral("Quit"), [this] { SpeedButton11Click(SpeedButton11); });
}

void TAForm1::TrayIcon1Click(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
    // Shown, even from the task bar's minimised state, and above the
    // windows that may have buried it.
    platform_.windows.Raise(this);
    platform_.cursor.SetPos(pos() + QPoint(210, 220));
}

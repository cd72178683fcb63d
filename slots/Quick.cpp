// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve quick timers: one click starts a preset length, the next stops
// or acknowledges it; a right press shows the time left for a moment.
#include "app/MainWindow.h"
#include "core/Colors.h"
#include "core/SlotFlags.h"
#include "models/Prefs.h"
#include "tray/TrayIcon.h"

void MainWindow::QuickButtonClick(QObject*) {
    const int N = CurrentSlot();
    if (slot::IsQuick(N))
        ToggleQuickSlot(N);
}

void MainWindow::ToggleQuickSlot(int N) {
    if (!pinButton->Down())
        platform_.windows.SetStayOnTop(this, false);

    FlatButton* button = SlotButton(N);
    if (button->Tag() & (slot::Running | slot::Ringing)) {
        ClearQuickSlot(N);
        State.QuickRemaining(N) = 0;
        if (!AnySlotRinging())
            alertTimer->SetInterval(0);
        return;
    }
    trayIcon->SetAnimated(true);
    button->SetFontColor(clr::White);
    SlotPanel(N)->SetColor(clr::Red);
    button->SetTag(slot::Started(button->Tag()));
    // Read afresh at every start, so an edit of "pprefs.qbx" counts at once
    // after a restart; a damaged line runs the design length.
    State.QuickRemaining(N) = QuickLength(settings_.Presets(), N);
    Announce(N);
    if (minimizeOnTimerItem->isChecked())
        hide();
}

void MainWindow::PressQuickButton(QObject* Sender, Qt::MouseButton Button, QPoint) {
    State.CurrentSlotName = Sender->objectName();
    if (Button != Qt::RightButton)
        return;
    const int N = CurrentSlot();
    const int left = State.QuickRemaining(N);
    const int minutes = left / 60;
    timeLeftPopup->SetCaption(QStringLiteral("%1:%2").arg(minutes).arg(left - 60 * minutes));
    const BevelPanel* frame = SlotPanel(N);
    timeLeftPopup->move(frame->x() - 3, frame->y() - frame->height() + 5);
    timeLeftPopup->show();
    timeLeftPopup->raise();
}

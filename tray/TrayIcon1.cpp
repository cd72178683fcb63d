// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's icon in the notification area: its pictures, and the
// click that brings the window back.
#include "TrayIcon.h"
#include "app/Unit1.h"

void TAForm1::CreateTrayIcon() {
    TrayIcon1 = new TTrayIcon(this, QStringLiteral("TrayIcon1"), &platform_.tray);
    TrayIcon1->SetInterval(450);
    for (int frame = 0; frame < 8; ++frame)
        TrayIcon1->Icons.Add(QIcon(QStringLiteral(":/tray/frame%1.png").arg(frame)));
    // The still clock last: setting it puts the icon in the notification area.
    TrayIcon1->SetIcon(QIcon(QStringLiteral(":/tray/clock.png")));
    On(TrayIcon1, &TTrayIcon::Click, &TAForm1::TrayIcon1Click);
}

void TAForm1::TrayIcon1Click(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
    // Shown, even from the task bar's minimised state, and above the
    // windows that may have buried it.
    platform_.windows.Raise(this);
    platform_.cursor.SetPos(pos() + QPoint(210, 220));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The variables the main window's handlers share, with their values at the
// start of every run. Only OptionFlags ever reaches a file.
#pragma once

#include "core/SlotFlags.h"

#include <QString>
#include <array>

struct WindowState {
    // Line 0 of "prefs.qbx": one character per option, the rest carried along.
    QString OptionFlags = QString(30, u'0');
    // The settings have not been loaded yet.
    bool FirstActivation = true;
    // A slot has just run out and its one-time end sound is still to play.
    int EndSoundPending = 0;
    // The alert has fired since the last acknowledgement, so Enter acknowledges.
    int AlertActive = 0;
    // The alarm-clock half is shown (window width 596).
    int AlarmPanelOpen = 0;
    // The alert has fired since the last key press; Enter then spares alarm 2.
    bool EnterHandled = false;
    // The next close skips the settings save.
    bool CloseWithoutSaving = false;
    // An alarm time or AM/PM was edited since start or the last save.
    bool AlarmTimeChanged = false;
    // A coloured countdown icon is in the tray; the tick leaves the animation off.
    bool TrayIconFixed = false;
    // The remaining-time popup has survived one tick.
    int RemainingPopupShown = 0;
    // The colouring the next alert tick gives ringing countdown and quick slots.
    int CountdownFlashPhase = 1;
    int QuickFlashPhase = 1;

    // The slot control the mouse last touched, e.g. "SpeedButton7" or "Edit7".
    QString CurrentSlotName;
    // The seconds menu item last chosen, "N00" to "N59".
    QString LastSecondsItemName;

    // Seconds left per quick-timer slot, 23 to 34.
    std::array<int, slot::LastQuick - slot::FirstQuick + 1> QuickRemainingBySlot{};
    int& QuickRemaining(int n) { return QuickRemainingBySlot.at(n - slot::FirstQuick); }
    int QuickRemaining(int n) const { return QuickRemainingBySlot.at(n - slot::FirstQuick); }
};

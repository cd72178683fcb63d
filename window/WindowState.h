// SPDX-License-Identifier: GPL-3.0-or-later
// The variables the main window's handlers share, with their values at the
// start of every run. Only OptionFlags ever reaches a file.
#pragma once

#include <QString>

struct WindowState {
    // Line 0 of "prefs.qbx": one character per option, the rest carried along.
    QString OptionFlags = QString(30, u'0');
    // The settings have not been loaded yet.
    bool FirstActivation = true;
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
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The variables the main window's handlers share, with their values at the
// start of every run.
#pragma once

#include <QString>

struct WindowState {
    // The settings have not been loaded yet.
    bool FirstActivation = true;
    // The alarm-clock half is shown (window width 596).
    int AlarmPanelOpen = 0;
    // The next close skips the settings save.
    bool CloseWithoutSaving = false;
};

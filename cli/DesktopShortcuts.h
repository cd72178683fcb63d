// SPDX-License-Identifier: GPL-3.0-or-later
// Keys of the user's choosing, heard whatever has the keyboard: the desktop
// is offered three shortcuts, and a press does what the command line's
// option of the same kind does, on the one command path.
#pragma once

#include "CommandRunner.h"
#include "core/Guard.h"
#include "platform/Platform.h"

class DesktopShortcuts {
public:
    DesktopShortcuts(CommandRunner& runner, platform::Shortcuts& shortcuts, HandlerEntry enter);
    DesktopShortcuts(const DesktopShortcuts&) = delete;
    DesktopShortcuts& operator=(const DesktopShortcuts&) = delete;

    // Once the program is ready: a press before would meet no settings.
    void offer();

private:
    CommandRunner& runner_;
    platform::Shortcuts& shortcuts_;
    HandlerEntry enter_;
};

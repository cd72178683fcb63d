// SPDX-License-Identifier: GPL-3.0-or-later
// The big clock in the alarm half: the time of day, renewed each tick
// while the half is open.
#pragma once

#include "platform/Platform.h"
#include "widgets/Controls.h"

class BigClock {
public:
    BigClock(platform::Platform platform, BevelPanel* panel, TextBox* box)
        : platform_(platform)
        , panel_(panel)
        , box_(box) {}

    // Nobody sees it while the alarm half is closed; it is set the moment
    // the half opens.
    void show();

private:
    platform::Platform platform_;
    BevelPanel* panel_;
    TextBox* box_;
};

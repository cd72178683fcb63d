// SPDX-License-Identifier: GPL-3.0-or-later
// "Start with the desktop" in the background menu, and --autostart: an XDG
// autostart entry that starts the program in the background with the
// session, so that timers set before a reboot ring after it without the
// user opening anything. An entry the user wrote is the user's: the program
// never changes it, and the tick shows only the program's own entry for
// this copy, where no desktop is told to skip it.
#pragma once

#include "core/Guard.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"

#include <QObject>

class AutostartOption : public QObject {
    Q_OBJECT
public:
    AutostartOption(platform::Autostart& autostart, platform::Questions& questions, MenuItem* item,
                    const HandlerEntry& enter, QObject* parent);

    // The check mark as the desktop holds it.
    void show();
    void choose(bool on);

private:
    platform::Autostart& autostart_;
    platform::Questions& questions_;
    MenuItem* item_;
};

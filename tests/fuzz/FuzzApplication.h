// SPDX-License-Identifier: GPL-3.0-or-later
// The one application object a window-level fuzz target needs, on Qt's
// offscreen screen, made once for all inputs.
#pragma once

#include <QApplication>

inline void startOffscreenApplication() {
    static int argc = 1;
    static char name[] = "quorbel-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Log.h"

// Debug lines (what the desktop lacks, each step with its portal) only when
// asked for: QT_LOGGING_RULES="quorbel.debug=true".
Q_LOGGING_CATEGORY(lcQuorbel, "quorbel", QtInfoMsg)

// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one logging category, "quorbel": what failed and where, for
// whoever reads the journal or the terminal. The user still sees only what
// the program shows; QT_LOGGING_RULES="quorbel.warning=false" silences it.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcQuorbel)

// SPDX-License-Identifier: GPL-3.0-or-later
// The program in a unit of its own, named for its application id, as a
// desktop's launcher starts a program. The desktop portal knows a program
// that is not sandboxed by the unit it runs in, and files what the user
// gave it (the keys of its shortcuts) under the id it reads there: started
// from a terminal, by autostart or by the bus, that id would be another.
#pragma once

#include <QString>
#include <functional>

class QObject;

namespace platform {

// Unless the process's unit already gives appId, asks the user's service
// manager to move it into app-ID-PID.scope; then is called once, when it
// is there or cannot be, soon in either case, never before this returns.
void enterOwnScope(const QString& appId, QObject* context, std::function<void()> then);

} // namespace platform

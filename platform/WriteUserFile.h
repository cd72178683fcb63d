// SPDX-License-Identifier: GPL-3.0-or-later
// Replaces one of the user's files (one of file::) in one step; the
// program's file error when it cannot.
#pragma once

#include "Platform.h"
#include "core/UserFiles.h"

#include <QByteArray>
#include <QString>

namespace platform {

void writeUserFile(Files& files, const UserFiles& where, const QString& name,
                   const QByteArray& bytes);
// A file the program cannot read goes aside, "<name>.foreign" or the first
// free of "<name>.foreign.1", ".2" ..., so that the next write neither
// replaces it nor fails on it; false when it stays.
bool setAsideUserFile(Files& files, const UserFiles& where, const QString& name);

} // namespace platform

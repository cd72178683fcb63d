// SPDX-License-Identifier: GPL-3.0-or-later
// The records of "proc.qbx": "[HHMM][file]" a line, "~" anywhere to keep a
// line without running it.
#pragma once

#include <QString>
#include <optional>

// The time a line runs at as hour times 100 plus minute, or nothing for a
// line with a tilde or with no readable time.
std::optional<int> recordTime(const QString& line);
// The file to open: up to 200 characters from the eighth, every "]" gone.
QString recordFile(const QString& line);
// The file name of a path, by either platform's separator, so records
// written on the original platform name the same program.
QString exeNameOf(const QString& file);
// A name as process names are compared: blanks and control characters
// trimmed from both ends, a to z upper-cased.
QString exeKey(const QString& name);

// SPDX-License-Identifier: GPL-3.0-or-later
// A minute as the local calendar and clock name it. The two passes of a
// minute lived twice (the clock set back, the autumn change) are one
// minute here, which the instant since the epoch would tell apart.
#pragma once

#include <QDateTime>

inline qint64 localMinute(qint64 wallMs) {
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(wallMs);
    return local.date().toJulianDay() * 24 * 60 + local.time().hour() * 60 + local.time().minute();
}

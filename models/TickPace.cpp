// SPDX-License-Identifier: GPL-3.0-or-later
#include "TickPace.h"

namespace {

constexpr qint64 kSecond = 1000;

// The first moment after now that lies a whole number of seconds before
// due: a tick there, and every second after, meets due exactly.
qint64 inPhaseWith(qint64 now, qint64 due) {
    return now + (due - now - 1) % kSecond + 1;
}

} // namespace

TickPace::TickPace(qint64 now, QObject* parent)
    : QObject(parent)
    , next_(now + kSecond) {
    setObjectName(QStringLiteral("tickPace"));
}

void TickPace::ticked(qint64 now, std::optional<qint64> due) {
    // A tick more than a second late (a stall, a sleep) starts the count
    // afresh rather than catching up.
    next_ = next_ + kSecond > now ? next_ + kSecond : now + kSecond;
    if (due && *due > now)
        next_ = inPhaseWith(now, *due);
}

bool TickPace::follow(qint64 now, std::optional<qint64> due) {
    if (!due || *due <= now)
        return false;
    const qint64 aligned = inPhaseWith(now, *due);
    // A later phase waits for the tick already coming, which then takes it.
    if (aligned >= next_)
        return false;
    next_ = aligned;
    return true;
}

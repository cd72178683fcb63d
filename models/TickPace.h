// SPDX-License-Identifier: GPL-3.0-or-later
// When the one-second tick comes, on the clock since boot. It keeps a
// steady second, but in the phase of the nearest moment something is due
// (a timer's ring, an alarm's minute), so that the tick comes at that
// moment rather than up to a second after it. A change of phase only ever
// brings a tick forward, so no gap between two ticks is longer than a
// second.
#pragma once

#include <QObject>
#include <optional>

class TickPace : public QObject {
    Q_OBJECT
public:
    explicit TickPace(qint64 now, QObject* parent = nullptr);

    // When the next tick is to come.
    qint64 nextTickAt() const { return next_; }
    // A tick ran now; due is the nearest moment still to come. The tick
    // after it is a second on from this one, or earlier, in due's phase.
    void ticked(qint64 now, std::optional<qint64> due);
    // What is due changed between two ticks: whether the next tick moved.
    bool follow(qint64 now, std::optional<qint64> due);

private:
    qint64 next_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/IntervalTimer.h"

IntervalTimer::IntervalTimer(QObject* owner, const QString& name, int interval)
    : QObject(owner) {
    setObjectName(name);
    // Coarse timers may fire up to 5 % early, and an early tick could count
    // down a second twice within one second of the clock.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (std::exchange(firstPending_, false))
            timer_.start(interval_);
        emit timeout();
    });
    setInterval(interval);
}

void IntervalTimer::setInterval(int interval) {
    if (interval == interval_)
        return;
    interval_ = interval;
    firstPending_ = false;
    if (interval > 0)
        timer_.start(interval);
    else
        timer_.stop();
}

void IntervalTimer::startAfter(int first, int interval) {
    interval_ = interval;
    firstPending_ = interval > 0;
    if (interval > 0)
        timer_.start(qMax(0, first));
    else
        timer_.stop();
}

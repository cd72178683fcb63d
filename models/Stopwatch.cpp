// SPDX-License-Identifier: GPL-3.0-or-later
#include "Stopwatch.h"

#include "core/Convert.h"

namespace {

// Just under 1/1440 of a day, a minute's worth, which "h:mm" shows as
// minutes and seconds.
constexpr double kStep = 0.000694444444444;

} // namespace

QString Stopwatch::text() const {
    if (atRest_)
        //: The stopwatch's button at rest, short for Stopwatch: 39 px wide, about five
        //: characters.
        return tr("SW");
    if (!counted_)
        return QStringLiteral("0.00");
    // Minutes and seconds through the first hour, then hours and minutes:
    // the button holds five characters.
    const qint64 seconds = this->seconds();
    if (seconds < 3600)
        return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1h%2")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
}

void Stopwatch::toggle() {
    running_ = !running_;
    if (running_ && atRest_) {
        atRest_ = false;
        counted_ = false;
    }
    emit changed();
    emit turned();
}

void Stopwatch::backToZero() {
    days_ = 0.0;
    counted_ = false;
    atRest_ = !running_;
    emit changed();
    emit turned();
}

qint64 Stopwatch::seconds() const {
    return qRound64(days_ / kStep);
}

void Stopwatch::restore(qint64 seconds, bool running) {
    running_ = running;
    atRest_ = false;
    days_ = kStep * double(seconds);
    counted_ = seconds > 0;
    emit changed();
    emit turned();
}

void Stopwatch::advance(int seconds) {
    if (!running_)
        return;
    days_ += kStep * seconds;
    counted_ = true;
    emit changed();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// A window timer as the handlers use it: an interval and nothing else.
#pragma once

#include <QObject>
#include <QTimer>

class IntervalTimer : public QObject {
    Q_OBJECT
public:
    IntervalTimer(QObject* owner, const QString& name, int interval);

    int interval() const { return interval_; }
    // The same interval changes nothing; another non-zero one restarts the
    // count, so the next firing is a full new interval away; 0 stops.
    void setInterval(int interval);
    // Fires first after first milliseconds, then every interval.
    void startAfter(int first, int interval);

signals:
    void timeout();

private:
    QTimer timer_;
    int interval_ = 0;
    bool firstPending_ = false;
};

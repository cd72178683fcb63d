// SPDX-License-Identifier: GPL-3.0-or-later
// The window timers' interval rule, on a real event loop with short intervals.
#include "widgets/IntervalTimer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

class WindowTimerTest : public QObject {
    Q_OBJECT
private slots:
    void sameIntervalKeepsTheCount();
    void otherIntervalRestartsTheCount();
    void zeroStops();
    void neverEarlyNorDrifting();
};

void WindowTimerTest::sameIntervalKeepsTheCount() {
    IntervalTimer timer(nullptr, QStringLiteral("Timer2"), 0);
    QSignalSpy fired(&timer, &IntervalTimer::timeout);
    QElapsedTimer clock;
    clock.start();
    timer.setInterval(300);
    QTest::qWait(150);
    timer.setInterval(300);
    QVERIFY(fired.wait(1000));
    // Had it restarted, the firing would have come 450 ms after the start.
    QVERIFY2(clock.elapsed() < 420, qPrintable(QString::number(clock.elapsed())));
}

void WindowTimerTest::otherIntervalRestartsTheCount() {
    IntervalTimer timer(nullptr, QStringLiteral("Timer3"), 300);
    QSignalSpy fired(&timer, &IntervalTimer::timeout);
    QTest::qWait(150);
    QElapsedTimer clock;
    clock.start();
    timer.setInterval(400);
    QVERIFY(fired.wait(1000));
    QVERIFY2(clock.elapsed() >= 399, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(timer.interval(), 400);
}

void WindowTimerTest::zeroStops() {
    IntervalTimer timer(nullptr, QStringLiteral("Timer4"), 100);
    QSignalSpy fired(&timer, &IntervalTimer::timeout);
    timer.setInterval(0);
    QVERIFY(!fired.wait(300));
    QCOMPARE(timer.interval(), 0);
}

void WindowTimerTest::neverEarlyNorDrifting() {
    IntervalTimer timer(nullptr, QStringLiteral("Timer1"), 0);
    QElapsedTimer clock;
    QList<qint64> firings;
    connect(&timer, &IntervalTimer::timeout, &timer, [&] { firings.append(clock.elapsed()); });
    clock.start();
    timer.setInterval(50);
    QTRY_VERIFY_WITH_TIMEOUT(firings.size() >= 10, 2000);
    for (int i = 0; i < 10; ++i)
        QVERIFY2(firings[i] >= 50 * (i + 1), qPrintable(QString::number(firings[i])));
    // A timer that rescheduled from each late firing would fall further
    // behind with every tick; a precise one stays near 500 ms.
    QVERIFY2(firings[9] < 580, qPrintable(QString::number(firings[9])));
}

QTEST_GUILESS_MAIN(WindowTimerTest)
#include "test_window_timer.moc"

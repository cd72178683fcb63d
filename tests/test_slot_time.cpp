// SPDX-License-Identifier: GPL-3.0-or-later
// A countdown's time text and its arithmetic, and the digits of a name.
#include "core/Convert.h"
#include "models/SlotTime.h"

#include <QtTest>

class SlotTimeTest : public QObject {
    Q_OBJECT
private slots:
    void digitsOf_data();
    void digitsOf();
    void parse_data();
    void parse();
    void step_data();
    void step();
};

void SlotTimeTest::digitsOf_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digits");
    QTest::newRow("button") << "SpeedButton7"
                            << "7";
    QTest::newRow("two digits") << "Edit10"
                                << "10";
    QTest::newRow("quick timer") << "SpeedButton23"
                                 << "23";
    QTest::newRow("snooze caption") << "15 min"
                                    << "15";
    QTest::newRow("none") << "Panel"
                          << "";
    QTest::newRow("scattered") << "a1b2"
                               << "12";
}

void SlotTimeTest::digitsOf() {
    QFETCH(QString, text);
    QFETCH(QString, digits);
    QCOMPARE(::digitsOf(text), digits);
}

void SlotTimeTest::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("zero") << "00:00:00" << true;
    QTest::newRow("largest") << "99:59:59" << true;
    QTest::newRow("seconds above 59 still count") << "00:00:75" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("one-digit hour") << "0:00:00" << false;
    QTest::newRow("nine characters") << "00:00:000" << false;
    QTest::newRow("dashes") << "00-00-00" << false;
    QTest::newRow("letters") << "00:0a:00" << false;
    QTest::newRow("negative") << "-1:00:00" << false;
    QTest::newRow("blank") << "00: 1:00" << false;
}

void SlotTimeTest::parse() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const auto time = SlotTime::parse(text);
    QCOMPARE(time.has_value(), valid);
    if (valid)
        QCOMPARE(time->text(), text);
}

void SlotTimeTest::step_data() {
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("lastSecond");
    QTest::addColumn<bool>("runsOut");

    QTest::newRow("a second") << "00:10:05"
                              << "00:10:04"
                              << "" << false << false;
    QTest::newRow("into the last minute") << "00:01:00"
                                          << "00:00:59"
                                          << "" << false << false;
    QTest::newRow("first coloured icon") << "00:00:59"
                                         << "00:00:58"
                                         << "M1" << false << false;
    QTest::newRow("51 is still 60") << "00:00:52"
                                    << "00:00:51"
                                    << "M1" << false << false;
    QTest::newRow("50") << "00:00:51"
                        << "00:00:50"
                        << "M2" << false << false;
    QTest::newRow("40") << "00:00:41"
                        << "00:00:40"
                        << "M3" << false << false;
    QTest::newRow("30") << "00:00:31"
                        << "00:00:30"
                        << "M4" << false << false;
    QTest::newRow("20") << "00:00:21"
                        << "00:00:20"
                        << "M5" << false << false;
    QTest::newRow("11") << "00:00:12"
                        << "00:00:11"
                        << "M5" << false << false;
    QTest::newRow("10") << "00:00:11"
                        << "00:00:10"
                        << "M6" << false << false;
    QTest::newRow("last second") << "00:00:01"
                                 << "00:00:00"
                                 << "M6" << true << false;
    QTest::newRow("hours keep the tray") << "01:00:59"
                                         << "01:00:58"
                                         << "" << false << false;
    QTest::newRow("borrow a minute") << "00:02:00"
                                     << "00:01:59"
                                     << "" << false << false;
    QTest::newRow("borrow an hour") << "10:00:00"
                                    << "09:59:59"
                                    << "" << false << false;
    QTest::newRow("run out") << "00:00:00"
                             << "00:00:00"
                             << "" << false << true;
    QTest::newRow("over 59 seconds, no icon") << "00:00:75"
                                              << "00:00:74"
                                              << "" << false << false;
}

void SlotTimeTest::step() {
    QFETCH(QString, now);
    QFETCH(QString, next);
    QFETCH(QString, icon);
    QFETCH(bool, lastSecond);
    QFETCH(bool, runsOut);
    const CountdownStep step = stepCountdown(*SlotTime::parse(now));
    QCOMPARE(step.next.text(), next);
    QCOMPARE(step.trayIcon, icon);
    QCOMPARE(step.lastSecond, lastSecond);
    QCOMPARE(step.kind == CountdownStep::Kind::RunOut, runsOut);
}

QTEST_APPLESS_MAIN(SlotTimeTest)
#include "test_slot_time.moc"

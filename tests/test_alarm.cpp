// SPDX-License-Identifier: GPL-3.0-or-later
// The alarm clock, the stopwatch and the clock box, driven by the tick with
// the clock faked.
#include "FormFixture.h"
#include "core/Colors.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

// The sounds as the player opens them: an installed copy's own.
const QString kRepeat = QStringLiteral("/usr/share/quorbel/Alarm1.wav");
const QString kEnd = QStringLiteral("/usr/share/quorbel/Alarm2.wav");

} // namespace

class AlarmTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void alarm1RingsOnce();
    void ringsAtItsMinute_data();
    void ringsAtItsMinute();
    void alarm1RecurOneDigitHour();
    void alarm1RecurTwoDigitHour();
    void alarm1OnAgainInItsMinute();
    void alarm1NotificationLastsItsRing_data();
    void alarm1NotificationLastsItsRing();
    void alarm2Snoozes();
    void alarmsOwnSoundAndSnooze();
    void clockJumpsOverTheMinute_data();
    void clockJumpsOverTheMinute();
    void snoozeChoiceWhileSnoozing();
    void snoozeAndTimerOutliveTheProgram_data();
    void snoozeAndTimerOutliveTheProgram();
    void wallClockPutRightAfterAReboot();
    void unreadableJournalSetAside_data();
    void unreadableJournalSetAside();
    void enterOnlySilencesSnoozingAlarm2();
    void oneEnterAfterAlertLeavesAlarm2();
    void copyButtons();
    void amPmToggles();
    void stopwatch_data();
    void stopwatch();
    void stopwatchPauseAndClear();
    void clockBox();

private:
    // The program's folder a portable copy's, so the journal is written.
    void makePortable(const QTemporaryDir& folder) {
        QFile portable(folder.filePath(QStringLiteral("pprefs.qbx")));
        QVERIFY(portable.open(QIODevice::WriteOnly));
        desktop->executableFolder = folder.path();
    }
    std::unique_ptr<platform::FakePlatform> desktop;
    std::unique_ptr<Form> form;

    void setAlarm1(QTime time, const char* amPm) {
        form->alarms().setTime(1, time);
        form->alarms().setAmPm(1, QLatin1String(amPm));
        if (form->alarm1OnOff->text() == QLatin1String("OFF"))
            form->alarm1OnOff->click();
    }
    void setAlarm2(QTime time, const char* amPm) {
        form->alarms().setTime(2, time);
        form->alarms().setAmPm(2, QLatin1String(amPm));
        if (form->alarm2OnOff->text() == QLatin1String("OFF"))
            form->alarm2OnOff->click();
    }
    void at(int h, int m, int s) { desktop->time = QTime(h, m, s); }
    void pressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
};

void AlarmTest::init() {
    desktop = std::make_unique<platform::FakePlatform>();
    desktop->executableFolder = QStringLiteral("/usr/bin");
    form = std::make_unique<Form>(desktop->interfaces());
    form->showCentred();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void AlarmTest::cleanup() {
    form.reset();
    desktop.reset();
}

void AlarmTest::alarm1RingsOnce() {
    form->options().setAlarm1Recur(false);
    setAlarm1(QTime(9, 30), "AM");
    form->hideButton->click();
    at(9, 29, 59);
    form->tick();
    QVERIFY(desktop->played.isEmpty());
    at(9, 30, 0);
    form->tick();
    QCOMPARE(desktop->played, QStringList{kEnd});
    QCOMPARE(desktop->raises, 1);
    QVERIFY(form->isVisible());
    QCOMPARE(form->alarm1OnOff->text(), QStringLiteral("OFF"));
    QCOMPARE(form->alarm1OnOffPanel->color(), clr::ButtonPanel);
    at(9, 30, 1);
    form->tick();
    QCOMPARE(desktop->played.size(), 1);
}

void AlarmTest::ringsAtItsMinute_data() {
    QTest::addColumn<int>("alarm");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("amPm");
    QTest::addColumn<QTime>("clock");
    // How long after that clock it rings; -1 for not within two minutes.
    QTest::addColumn<int>("ringsInMs");

    QTest::newRow("morning") << 1 << QTime(9, 30) << "AM" << QTime(9, 29, 58, 377) << 1623;
    QTest::newRow("alarm 2, evening") << 2 << QTime(10, 30) << "PM" << QTime(22, 29, 0, 1) << 59999;
    QTest::newRow("12:05 PM at noon and five")
        << 1 << QTime(12, 5) << "PM" << QTime(12, 4, 59, 900) << 100;
    QTest::newRow("12:05 AM just after midnight")
        << 2 << QTime(0, 5) << "AM" << QTime(0, 4, 30) << 30000;
    QTest::newRow("12:30 AM is not 12:30 PM")
        << 1 << QTime(0, 30) << "AM" << QTime(12, 29, 59, 500) << -1;
    QTest::newRow("12:30 PM is not 12:30 AM")
        << 1 << QTime(12, 30) << "PM" << QTime(0, 29, 59, 500) << -1;
}

// An alarm rings as its minute starts, whatever the phase of the tick was.
void AlarmTest::ringsAtItsMinute() {
    QFETCH(int, alarm);
    QFETCH(QTime, time);
    QFETCH(QString, amPm);
    QFETCH(QTime, clock);
    QFETCH(int, ringsInMs);
    form->options().setAlarm1Recur(false);
    desktop->time = clock;
    if (alarm == 1)
        setAlarm1(time, qPrintable(amPm));
    else
        setAlarm2(time, qPrintable(amPm));
    if (ringsInMs < 0) {
        form->runFor(120000);
        QVERIFY(desktop->played.isEmpty());
        return;
    }
    form->runFor(ringsInMs - 1);
    QVERIFY(desktop->played.isEmpty());
    form->runFor(1);
    QCOMPARE(desktop->played, QStringList{kEnd});
    QVERIFY(desktop->notifications.contains(100 + alarm));
}

void AlarmTest::alarm1RecurOneDigitHour() {
    setAlarm1(QTime(9, 30), "AM");
    for (int s = 0; s < 60; ++s) {
        at(9, 30, s);
        form->tick();
    }
    at(9, 31, 0);
    form->tick();
    QCOMPARE(desktop->played, QStringList(60, kRepeat));
    QCOMPARE(desktop->raises, 60);
    QCOMPARE(form->alarm1OnOff->text(), QStringLiteral("ON"));
    QCOMPARE(form->part<AlertFlasher>().beating(), false);
    // The clock set back into the minute, as at the autumn change: the
    // minute lived twice rings once. The next day's rings again.
    at(9, 30, 20);
    form->tick();
    QCOMPARE(desktop->played.size(), 60);
    desktop->date = desktop->date.addDays(1);
    form->tick();
    QCOMPARE(desktop->played.size(), 61);
}

void AlarmTest::alarm1RecurTwoDigitHour() {
    setAlarm1(QTime(22, 30), "PM");
    at(22, 30, 5);
    form->tick();
    QCOMPARE(form->part<AlertFlasher>().beating(), true);
    // The alert cycle sounds Alarm1.wav with Sound and Recur ticked, its
    // first beat at the ring.
    QCOMPARE(desktop->played, QStringList{kRepeat});
    at(22, 31, 0);
    form->tick();
    QCOMPARE(form->part<AlertFlasher>().beating(), true);
    form->alertTick();
    QCOMPARE(desktop->played, (QStringList{kRepeat, kRepeat}));
    form->alarm1OnOff->click();
    QCOMPARE(form->part<AlertFlasher>().beating(), false);
}

void AlarmTest::alarm1OnAgainInItsMinute() {
    form->options().setAlarm1Recur(false);
    setAlarm1(QTime(7, 15), "PM");
    at(19, 15, 10);
    form->tick();
    QCOMPARE(form->alarm1OnOff->text(), QStringLiteral("OFF"));
    form->alarm1OnOff->click();
    at(19, 15, 11);
    form->tick();
    QCOMPARE(desktop->played, (QStringList{kEnd, kEnd}));
}

void AlarmTest::alarm1NotificationLastsItsRing_data() {
    QTest::addColumn<bool>("recur");
    QTest::addColumn<int>("hour");
    QTest::addColumn<bool>("ownSound");
    QTest::addColumn<bool>("outlivesMinute");
    QTest::newRow("rings once and switches off") << false << 9 << false << false;
    QTest::newRow("rings through its minute") << true << 9 << false << false;
    QTest::newRow("its alert repeats after its minute") << true << 22 << false << true;
    QTest::newRow("a sound of its own loops") << false << 9 << true << true;
}

// Alarm 1's notification goes when its ring is over by itself; Enter ends
// one that goes on.
void AlarmTest::alarm1NotificationLastsItsRing() {
    QFETCH(bool, recur);
    QFETCH(int, hour);
    QFETCH(bool, ownSound);
    QFETCH(bool, outlivesMinute);
    form->options().setAlarm1Recur(recur);
    if (ownSound)
        form->part<AlertOptions>().set(
            AlertOptions::alarmKey(1),
            {AlertTune::Sound::Theme, QStringLiteral("bell"), 70, false, 0, false});
    setAlarm1(QTime(hour, 30), hour < 12 ? "AM" : "PM");
    for (int s = 0; s < 60; ++s) {
        at(hour, 30, s);
        form->tick();
        QVERIFY(desktop->notifications.contains(101));
    }
    at(hour, 31, 0);
    form->tick();
    QCOMPARE(desktop->notifications.contains(101), outlivesMinute);
    pressEnter();
    form->tick();
    QVERIFY(!desktop->notifications.contains(101));
}

void AlarmTest::clockJumpsOverTheMinute_data() {
    QTest::addColumn<QTime>("from");
    QTest::addColumn<QTime>("landsAt");
    QTest::addColumn<int>("sounds");
    QTest::newRow("4 minutes past: rings once") << QTime(5, 58) << QTime(6, 4) << 1;
    QTest::newRow("12 minutes past: missed") << QTime(5, 58) << QTime(6, 12) << 0;
    // A tick that comes a minute and more late, over the whole minute.
    QTest::newRow("61 seconds over it") << QTime(5, 59, 59) << QTime(6, 1, 0) << 1;
    QTest::newRow("two minutes over it") << QTime(5, 59, 30) << QTime(6, 1, 30) << 1;
    QTest::newRow("a minute and a half, into it") << QTime(5, 59, 0) << QTime(6, 0, 30) << 1;
}

// The wall clock jumps over alarm 2's minute, as after a resume.
void AlarmTest::clockJumpsOverTheMinute() {
    QFETCH(QTime, from);
    QFETCH(QTime, landsAt);
    QFETCH(int, sounds);
    setAlarm2(QTime(6, 0), "AM");
    desktop->time = from;
    form->tick();
    desktop->time = landsAt;
    form->tick();
    QCOMPARE(desktop->played.size(), sounds);
    desktop->time = landsAt.addSecs(1);
    form->tick();
    QCOMPARE(desktop->played.size(), sounds);
}

void AlarmTest::alarm2Snoozes() {
    form->options().setSnoozeChoice(3);
    setAlarm2(QTime(6, 0), "AM");
    at(6, 0, 0);
    form->tick();
    QCOMPARE(desktop->played, QStringList{kEnd});
    QCOMPARE(form->part<AlarmPanel>().snoozePeriod(), 300000);
    QCOMPARE(form->alarms().alarm2Snoozing(), true);
    QCOMPARE(desktop->notifications.value(102), QStringLiteral("Alarm 2|6:00 AM"));
    at(6, 0, 1);
    form->tick();
    QCOMPARE(desktop->played.size(), 1);
    form->part<AlarmPanel>().soundSnooze();
    QCOMPARE(desktop->played.size(), 2);

    form->alarm2OnOff->click();
    QCOMPARE(form->part<AlarmPanel>().snoozePeriod(), 0);
    QCOMPARE(form->alarms().alarm2Snoozing(), false);
    QVERIFY(desktop->notifications.isEmpty());
    // Switched on again within its minute, it fires again.
    form->alarm2OnOff->click();
    at(6, 0, 30);
    form->tick();
    QCOMPARE(desktop->played.size(), 3);
}

// Alarm 1 with a sound of its own: it loops, the standard one keeps quiet,
// and "Snooze 5 min" on its notification rings it again five minutes on.
void AlarmTest::alarmsOwnSoundAndSnooze() {
    form->part<AlertOptions>().set(
        AlertOptions::alarmKey(1),
        {AlertTune::Sound::Theme, QStringLiteral("bell"), 70, false, 0, false});
    setAlarm1(QTime(9, 30), "AM");
    at(9, 30, 0);
    form->tick();
    QCOMPARE(desktop->tones.size(), 1);
    QVERIFY(desktop->tones[0].loop);
    QCOMPARE(desktop->tones[0].volume, 70);
    QVERIFY(desktop->played.isEmpty());
    QCOMPARE(desktop->notificationActions.value(101).size(), 3);
    desktop->actionListener(101, platform::Notifications::Action::Snooze);
    QVERIFY(desktop->toneStopped[int(platform::Sound::Channel::Alert)]);
    // The rest of its minute stays quiet; five minutes on it rings again.
    at(9, 30, 30);
    form->tick();
    QCOMPARE(desktop->tones.size(), 1);
    desktop->advance(300000);
    QCOMPARE(desktop->tones.size(), 2);
    QVERIFY(desktop->notifications.contains(101));
    pressEnter();
    QVERIFY(desktop->toneStopped[int(platform::Sound::Channel::Alert)]);
    // Snoozed again, then the user's own click on its switch: that ends it.
    desktop->actionListener(101, platform::Notifications::Action::Snooze);
    form->alarm1OnOff->click();
    desktop->advance(300000);
    QCOMPARE(desktop->tones.size(), 2);
}

void AlarmTest::snoozeAndTimerOutliveTheProgram_data() {
    QTest::addColumn<int>("awayMinutes");
    QTest::addColumn<int>("sounds");
    QTest::addColumn<QTime>("nextSnooze");
    // Snoozing every 3 minutes from 6:00, it keeps that beat.
    QTest::newRow("back before the next snooze") << 2 << 1 << QTime(6, 3);
    QTest::newRow("back after it: it sounds once") << 42 << 2 << QTime(6, 45);
}

// The program ends without a quit, as a kill ends it, and starts again.
void AlarmTest::snoozeAndTimerOutliveTheProgram() {
    QFETCH(int, awayMinutes);
    QFETCH(int, sounds);
    QFETCH(QTime, nextSnooze);
    QTemporaryDir folder;
    makePortable(folder);
    form = std::make_unique<Form>(desktop->interfaces());
    form->showCentred();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));

    setAlarm2(QTime(6, 0), "AM");
    at(6, 0, 0);
    form->tick();
    form->settings().prefs().setLine(3, QStringLiteral("01:00:00Tea"));
    form->timersModel().readSaved();
    QTest::mouseClick(form->slotButton(3), Qt::LeftButton);
    QTRY_VERIFY(QFile(folder.filePath(QStringLiteral("journal.qbx"))).size() > 60);
    form.reset();

    at(6, awayMinutes, 0);
    form = std::make_unique<Form>(desktop->interfaces());
    form->showCentred();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTRY_VERIFY(form->timersModel().isRunning(3));
    QVERIFY(form->alarms()[2].on);
    QVERIFY(form->alarms().alarm2Snoozing());
    QCOMPARE(form->part<AlarmPanel>().snoozePeriod(), 180000);
    QCOMPARE(desktop->played.size(), sounds);
    const auto snoozeInJournal = [&] {
        QFile journal(folder.filePath(QStringLiteral("journal.qbx")));
        if (!journal.open(QIODevice::ReadOnly))
            return QTime();
        for (const QByteArray& line : journal.readAll().split('\n')) {
            if (line.startsWith("snooze "))
                return QDateTime::fromMSecsSinceEpoch(line.mid(7).toLongLong()).time();
        }
        return QTime();
    };
    QTRY_COMPARE(snoozeInJournal(), nextSnooze);
    // Quit on purpose, on a disk too full for even an empty journal:
    // nothing comes back.
    desktop->bytesFree = 0;
    desktop->answers << platform::Questions::Answer::Yes << platform::Questions::Answer::Yes;
    form->quitButton->click();
    form.reset();
    desktop->bytesFree = -1;
    desktop->answers.clear();
    form = std::make_unique<Form>(desktop->interfaces());
    form->showCentred();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::qWait(50);
    QVERIFY(!form->timersModel().isRunning(3));
    QVERIFY(!form->alarms()[2].on);
}

// A journal from another boot is read by the wall clock; a clock put right
// later (a dual boot's local hardware clock, a late time service) moves the
// ring to the true moment, and never names a moment to come.
void AlarmTest::wallClockPutRightAfterAReboot() {
    QTemporaryDir folder;
    makePortable(folder);
    at(8, 0, 0);
    const qint64 trueNow = desktop->wallMs();
    QFile journal(folder.filePath(QStringLiteral("journal.qbx")));
    QVERIFY(journal.open(QIODevice::WriteOnly));
    journal.write("quorbel journal 1\nboot before\nrunning 23 " +
                  QByteArray::number(trueNow + 60000) + " 5\nrunning 24 " +
                  QByteArray::number(trueNow + 10 * 60000) + " 5\n");
    journal.close();
    // The clock is an hour fast at start: 24 would be due in ten minutes,
    // both look overdue.
    at(9, 0, 0);
    form = std::make_unique<Form>(desktop->interfaces());
    form->showCentred();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTRY_VERIFY(form->timersModel().isRinging(24));
    QVERIFY(desktop->notifications.value(24).contains(QStringLiteral("ran out at 08:10")));
    // Put right: 24 goes back to its ten minutes, 23 still has its minute.
    at(8, 0, 0);
    QVERIFY(desktop->clockSet);
    desktop->clockSet();
    QVERIFY(form->timersModel().isRunning(24));
    QVERIFY(!desktop->notifications.contains(24));
    form->tick(59);
    QVERIFY(form->timersModel().isRunning(23));
    at(8, 1, 0);
    form->tick();
    QVERIFY(form->timersModel().isRinging(23));
    QVERIFY(form->timersModel().isRunning(24));
    QCOMPARE(form->timersModel().secondsLeft(24), 9 * 60);
}

void AlarmTest::unreadableJournalSetAside_data() {
    QTest::addColumn<QString>("kind");
    // What already has the name ".foreign": set aside before, or the user's.
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("a folder") << "folder" << QByteArray();
    QTest::newRow("larger than any journal") << "large" << QByteArray();
    QTest::newRow("another program's") << "foreign" << QByteArray();
    QTest::newRow("a second, beside the first")
        << "foreign" << QByteArray("not a journal either\n");
    QTest::newRow("a folder, beside a file of the user's") << "folder" << QByteArray("mine\n");
}

// What cannot be read, or is not the program's, is renamed aside whole,
// never written over; the program's own journal takes its place.
void AlarmTest::unreadableJournalSetAside() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, before);
    QTemporaryDir folder;
    makePortable(folder);
    const QString path = folder.filePath(QStringLiteral("journal.qbx"));
    if (!before.isEmpty()) {
        QFile first(path + QStringLiteral(".foreign"));
        QVERIFY(first.open(QIODevice::WriteOnly));
        first.write(before);
    }
    QByteArray bytes =
        kind == u"foreign" ? QByteArray("not a journal\n") : QByteArray((16 << 20) + 1, '\n');
    if (kind == u"folder") {
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    form = std::make_unique<Form>(desktop->interfaces());
    form->showCentred();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::mouseClick(form->slotButton(24), Qt::LeftButton);
    QTRY_VERIFY(QFileInfo(path).isFile() && QFileInfo(path).size() > 30);
    const QFileInfo aside(path + QStringLiteral(".foreign") +
                          (before.isEmpty() ? QString() : QStringLiteral(".1")));
    if (!before.isEmpty()) {
        QFile first(path + QStringLiteral(".foreign"));
        QVERIFY(first.open(QIODevice::ReadOnly));
        QCOMPARE(first.readAll(), before);
    }
    if (kind == u"folder") {
        QVERIFY(QFileInfo::exists(aside.filePath() + QStringLiteral("/inside")));
    } else {
        QFile kept(aside.filePath());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
    }
    QVERIFY(desktop->told.isEmpty());
}

void AlarmTest::snoozeChoiceWhileSnoozing() {
    // Before alarm 2 has rung, the choice waits for it.
    QTest::mouseClick(form->snooze1Min, Qt::LeftButton);
    QCOMPARE(form->part<AlarmPanel>().snoozePeriod(), 0);
    setAlarm2(QTime(6, 0), "AM");
    at(6, 0, 0);
    form->tick();
    QCOMPARE(form->part<AlarmPanel>().snoozePeriod(), 60000);
    QTest::mouseClick(form->snooze30Min, Qt::LeftButton);
    QCOMPARE(form->part<AlarmPanel>().snoozePeriod(), 30 * 60000);
    QTest::mouseClick(form->snooze15Min, Qt::LeftButton);
    QCOMPARE(form->part<AlarmPanel>().snoozePeriod(), 15 * 60000);
}

void AlarmTest::enterOnlySilencesSnoozingAlarm2() {
    setAlarm2(QTime(6, 0), "AM");
    pressEnter();
    QCOMPARE(form->alarm2OnOff->text(), QStringLiteral("ON"));
    at(6, 0, 0);
    form->tick();
    pressEnter();
    QCOMPARE(form->alarm2OnOff->text(), QStringLiteral("OFF"));
    QCOMPARE(form->alarm2OnOffPanel->color(), clr::ButtonPanel);
    QCOMPARE(form->part<AlarmPanel>().snoozePeriod(), 0);
    QCOMPARE(form->alarms().alarm2Snoozing(), false);

    // Alarm 1 set for later stays armed; ringing, Enter switches it off,
    // in its minute or while its alert repeats after it.
    setAlarm1(QTime(9, 0), "AM");
    pressEnter();
    QCOMPARE(form->alarm1OnOff->text(), QStringLiteral("ON"));
    at(9, 0, 30);
    pressEnter();
    QCOMPARE(form->alarm1OnOff->text(), QStringLiteral("OFF"));
    setAlarm1(QTime(10, 0), "AM");
    at(10, 0, 59);
    form->tick();
    at(10, 5, 0);
    pressEnter();
    QCOMPARE(form->alarm1OnOff->text(), QStringLiteral("OFF"));
    QCOMPARE(form->part<AlertFlasher>().beating(), false);
}

void AlarmTest::oneEnterAfterAlertLeavesAlarm2() {
    setAlarm2(QTime(6, 0), "AM");
    at(6, 0, 0);
    form->tick();
    setAlarm1(QTime(6, 0), "AM");
    form->alertTick();
    pressEnter();
    QCOMPARE(form->alarm1OnOff->text(), QStringLiteral("OFF"));
    QCOMPARE(form->alarm2OnOff->text(), QStringLiteral("ON"));
    pressEnter();
    QCOMPARE(form->alarm2OnOff->text(), QStringLiteral("OFF"));
}

void AlarmTest::copyButtons() {
    form->alarms().setTime(1, QTime(19, 15));
    form->alarms().setAmPm(1, QStringLiteral("PM"));
    form->copyAlarm1Button->click();
    QCOMPARE(form->alarm2Picker->time(), QTime(19, 15));
    QCOMPARE(form->alarm2AmPm->caption(), QStringLiteral("PM"));
    form->alarms().setTime(2, QTime(8, 40));
    form->alarms().setAmPm(2, QStringLiteral("AM"));
    form->copyAlarm2Button->click();
    QCOMPARE(form->alarm1Picker->time(), QTime(8, 40));
    QCOMPARE(form->alarm1AmPm->caption(), QStringLiteral("AM"));
    QVERIFY(!form->part<AlarmPanel>().timeChanged());
    QCOMPARE(form->alarm1OnOff->text(), QStringLiteral("OFF"));
}

void AlarmTest::amPmToggles() {
    QTest::mouseClick(form->alarm1AmPm, Qt::LeftButton);
    QCOMPARE(form->alarm1AmPm->caption(), QStringLiteral("PM"));
    QVERIFY(form->part<AlarmPanel>().timeChanged());
    // Back as saved: no change to ask about at close.
    QTest::mouseClick(form->alarm1AmPm, Qt::LeftButton);
    QCOMPARE(form->alarm1AmPm->caption(), QStringLiteral("AM"));
    QVERIFY(!form->part<AlarmPanel>().timeChanged());
    // Nor is Enter in a picker, which reports the time it already had.
    form->openAlarmHalfButton->click();
    form->alarm2Picker->setFocus();
    QTest::keyClick(form->alarm2Picker, Qt::Key_Return);
    QVERIFY(!form->part<AlarmPanel>().timeChanged());
    form->alarms().setAmPm(2, QStringLiteral("x"));
    QTest::mouseClick(form->alarm2AmPm, Qt::LeftButton);
    QCOMPARE(form->alarm2AmPm->caption(), QStringLiteral("AM"));
    form->testAlarmButton->click();
    QCOMPARE(desktop->played, QStringList{kEnd});
}

void AlarmTest::stopwatch_data() {
    QTest::addColumn<int>("ticks");
    // How far apart the ticks come.
    QTest::addColumn<int>("everyMs");
    QTest::addColumn<QString>("caption");
    QTest::newRow("started") << 0 << 1000 << "0.00";
    QTest::newRow("one second") << 1 << 1000 << "0:01";
    QTest::newRow("75 seconds") << 75 << 1000 << "1:15";
    QTest::newRow("past 24 minutes") << 1445 << 1000 << "24:05";
    QTest::newRow("a 30-minute run") << 1800 << 1000 << "30:00";
    QTest::newRow("a second short of an hour") << 3599 << 1000 << "59:59";
    QTest::newRow("an hour") << 3600 << 1000 << "1h00";
    QTest::newRow("past an hour") << 3725 << 1000 << "1h02";
    // The reading follows the clock, not the count of ticks.
    QTest::newRow("ticks a hundredth early") << 100 << 990 << "1:39";
    QTest::newRow("ticks a hundredth late") << 100 << 1010 << "1:41";
    QTest::newRow("ticks late by half") << 40 << 1500 << "1:00";
    QTest::newRow("ticks early by half") << 40 << 500 << "0:20";
}

void AlarmTest::stopwatch() {
    QFETCH(int, ticks);
    QFETCH(int, everyMs);
    QFETCH(QString, caption);
    QCOMPARE(form->stopwatchButton->text(), QStringLiteral("SW"));
    form->stopwatchButton->click();
    form->tick(ticks, everyMs);
    QCOMPARE(form->stopwatchButton->text(), caption);
    QVERIFY(form->stopwatchButton->font().bold());
}

void AlarmTest::stopwatchPauseAndClear() {
    form->stopwatchButton->click();
    form->tick(10);
    form->stopwatchButton->click();
    form->tick(5);
    QCOMPARE(form->stopwatchButton->text(), QStringLiteral("0:10"));
    form->stopwatchButton->click();
    QCOMPARE(form->stopwatchButton->text(), QStringLiteral("0:10"));
    form->tick();
    QCOMPARE(form->stopwatchButton->text(), QStringLiteral("0:11"));

    // Clear while running: back to zero, still counting.
    form->clearStopwatchItem->trigger();
    QCOMPARE(form->stopwatchButton->text(), QStringLiteral("0.00"));
    form->tick();
    QCOMPARE(form->stopwatchButton->text(), QStringLiteral("0:01"));

    // Clear while paused: the plain "SW" again.
    form->stopwatchButton->click();
    form->clearStopwatchItem->trigger();
    QCOMPARE(form->stopwatchButton->text(), QStringLiteral("SW"));
    QVERIFY(!form->stopwatchButton->font().bold());
    QCOMPARE(form->stopwatchModel().days(), 0.0);
    form->stopwatchButton->click();
    QCOMPARE(form->stopwatchButton->text(), QStringLiteral("0.00"));
}

void AlarmTest::clockBox() {
    at(9, 5, 7);
    form->tick();
    // Closed, the clock is not kept; opened, it shows the time at once.
    QCOMPARE(form->clockBox->text(), QStringLiteral("00:00:00"));
    form->openAlarmHalfButton->click();
    // "00:00:00" is narrow: the first time gets a leading blank.
    QCOMPARE(form->clockBox->text(), QStringLiteral(" 9:05:07 AM"));
    at(10, 5, 8);
    form->tick();
    // The fake desktop measures six pixels a character: 66 is wide.
    QCOMPARE(form->clockBox->text(), QStringLiteral("10:05:08 AM"));
}

QTEST_MAIN(AlarmTest)
#include "test_alarm.moc"

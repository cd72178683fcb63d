// SPDX-License-Identifier: GPL-3.0-or-later
// The models without a window.
#include "models/AlarmClock.h"
#include "models/AlertOptions.h"
#include "models/Journal.h"
#include "models/Options.h"
#include "models/Prefs.h"
#include "models/SettingsStore.h"
#include "models/Timers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <limits>

class ModelsTest : public QObject {
    Q_OBJECT
private slots:
    void settingsStoreLoads_data();
    void settingsStoreLoads();
    void minuteMatch_data();
    void minuteMatch();
    void alarmsRingAtTheirTicks_data();
    void alarmsRingAtTheirTicks();
    void optionsLine();
    void countdownLife();
    void quickTimerLengths_data();
    void quickTimerLengths();
    void editorAndSecondsMenuWriteTheLine();
    void alertOptionsRoundTrip();
    void alertOptionsReadWhatTheyCan_data();
    void alertOptionsReadWhatTheyCan();
    void journalReadsOnlyItsOwn_data();
    void journalReadsOnlyItsOwn();
    void journalReconciles_data();
    void journalWritesWhatItReads();
    void journalReconciles();
    void journalBringsAlarmsBack_data();
    void journalBringsAlarmsBack();
};

void ModelsTest::settingsStoreLoads_data() {
    QTest::addColumn<QByteArray>("prefs");
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("lines");
    const QStringList defaults = QString(defaultPrefsText()).split(QStringLiteral("\r\n"));
    QTest::newRow("none") << QByteArray() << int(FileState::Missing) << defaults.mid(0, 15);
    QTest::newRow("no line at all, a mark alone")
        << QByteArray("\xEF\xBB\xBF") << int(FileState::Missing) << defaults.mid(0, 15);
    QStringList shortened = defaults.mid(0, 15);
    shortened[1] = QStringLiteral("00:05:00Tea");
    QTest::newRow("short: completed from the defaults")
        << QByteArray("110120010\r\n00:05:00Tea\r\n") << int(FileState::Read)
        << (QStringList{"110120010"} + shortened.mid(1));
    QStringList longer = defaults.mid(0, 15);
    longer << "line 15 belongs to nobody";
    QTest::newRow("lines no version reads are kept")
        << longer.join(QStringLiteral("\n")).toUtf8() << int(FileState::Read) << longer;
    QTest::newRow("a folder") << QByteArray("/") << int(FileState::Unreadable)
                              << defaults.mid(0, 15);
}

void ModelsTest::settingsStoreLoads() {
    QFETCH(QByteArray, prefs);
    QFETCH(int, state);
    QFETCH(QStringList, lines);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("prefs.qbx"));
    if (prefs == "/") {
        QDir(folder.path()).mkdir(QStringLiteral("prefs.qbx"));
    } else if (!prefs.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(prefs);
    }
    SettingsStore store;
    QVERIFY(!store.mayWritePrefs());
    store.load(path, folder.filePath(QStringLiteral("pprefs.qbx")));
    QCOMPARE(int(*store.prefsFile()), state);
    QCOMPARE(store.mayWritePrefs(), state != int(FileState::Unreadable));
    QStringList held;
    for (int i = 0; i < store.prefs().count(); ++i)
        held << store.prefs().line(i);
    QCOMPARE(held, lines);
    // No presets file: the standard lengths.
    QCOMPARE(quickLength(store.presets(), 34), 20 * 60);
}

void ModelsTest::minuteMatch_data() {
    QTest::addColumn<QTime>("alarm");
    QTest::addColumn<QString>("amPm");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<bool>("rings");

    QTest::newRow("9:30 AM, first second") << QTime(9, 30) << "AM" << QTime(9, 30, 0) << true;
    QTest::newRow("9:30 AM, last second") << QTime(9, 30) << "AM" << QTime(9, 30, 59) << true;
    QTest::newRow("9:30 AM, the minute after") << QTime(9, 30) << "AM" << QTime(9, 31, 0) << false;
    QTest::newRow("9:30 AM at 9:30 PM") << QTime(9, 30) << "AM" << QTime(21, 30, 0) << false;
    QTest::newRow("10:30 PM") << QTime(22, 30) << "PM" << QTime(22, 30, 30) << true;
    // The panel decides AM or PM, not the picker's own.
    QTest::newRow("picker PM, panel AM") << QTime(22, 30) << "AM" << QTime(10, 30, 0) << true;
    QTest::newRow("10:30 at 1:30") << QTime(10, 30) << "AM" << QTime(1, 30, 0) << false;
    QTest::newRow("12:05 AM") << QTime(0, 5) << "AM" << QTime(0, 5, 10) << true;
    QTest::newRow("12:05 with PM at 00:05") << QTime(12, 5) << "PM" << QTime(0, 5, 10) << false;
    QTest::newRow("empty panel") << QTime(9, 30) << "" << QTime(9, 30, 0) << false;
}

void ModelsTest::minuteMatch() {
    QFETCH(QTime, alarm);
    QFETCH(QString, amPm);
    QFETCH(QTime, now);
    QFETCH(bool, rings);
    AlarmClock alarms;
    alarms.setTime(1, alarm);
    alarms.setAmPm(1, amPm);
    QCOMPARE(alarms.inItsMinute(1, now), rings);
}

void ModelsTest::alarmsRingAtTheirTicks_data() {
    QTest::addColumn<int>("alarm");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("ticks");
    QTest::addColumn<QString>("rings");

    // Alarm at 9:30 AM; one tick a word, what rings at each after the "=".
    QTest::newRow("every tick of its minute") << 1 << true << "9:29:59 9:30:00 9:30:59 9:31:00"
                                              << "- 1 1 -";
    QTest::newRow("off") << 1 << false << "9:30:00"
                         << "-";
    QTest::newRow("alarm 2") << 2 << true << "9:30:00 9:30:30"
                             << "2 2";
    QTest::newRow("its minute again after the clock went back")
        << 1 << true << "9:30:00 9:31:00 9:30:10"
        << "1 - -";
    QTest::newRow("a jump over it within ten minutes") << 1 << true << "9:25:00 9:35:00"
                                                       << "- 1";
    QTest::newRow("a jump ten minutes past it") << 2 << true << "9:25:00 9:40:00"
                                                << "- -";
    QTest::newRow("PM is another minute") << 1 << true << "21:30:00"
                                          << "-";
}

void ModelsTest::alarmsRingAtTheirTicks() {
    QFETCH(int, alarm);
    QFETCH(bool, on);
    QFETCH(QString, ticks);
    QFETCH(QString, rings);
    AlarmClock alarms;
    alarms.setTime(alarm, QTime(9, 30));
    alarms.setOn(alarm, on);
    QStringList heard;
    for (const QString& tick : ticks.split(u' ')) {
        const QTime time = QTime::fromString(tick, QStringLiteral("H:mm:ss"));
        const qint64 wall = QDateTime(QDate(2026, 12, 7), time).toMSecsSinceEpoch();
        const QList<int> ringing = alarms.ringingAt(time, wall);
        heard << (ringing.isEmpty() ? QStringLiteral("-") : QString::number(ringing.first()));
    }
    QCOMPARE(heard.join(u' '), rings);
}

void ModelsTest::optionsLine() {
    Options options;
    QSignalSpy sounds(&options, &Options::soundChanged);
    // What a first start writes over a line of noughts, past position 9
    // carried along.
    QCOMPARE(options.written(QStringLiteral("000000000xyz")), QStringLiteral("110120010xyz"));
    QCOMPARE(options.snoozeMs(), 3 * 60000);

    // A damaged snooze or delay keeps what was chosen; the file's changes
    // are no click of the user's.
    options.readFrom(QStringLiteral("0010x1159"));
    QVERIFY(!options.sound() && options.minimizeOnTimer() && options.alarmHalfOpen());
    QCOMPARE(options.snoozeChoice(), 2);
    QCOMPARE(options.alarmDelay(), 5);
    QCOMPARE(options.trayColour(), -1);
    QCOMPARE(sounds.count(), 0);

    options.setSnoozeChoice(7);
    QCOMPARE(options.snoozeMs(), 30 * 60000);
    options.setSnoozeChoice(8);
    QCOMPARE(options.snoozeChoice(), 7);
    options.setRecur(true);
    options.setAlarm1Recur(true);
    options.setAlarm1Recur(true);
    QCOMPARE(sounds.count(), 2);
}

void ModelsTest::countdownLife() {
    SettingsStore store;
    store.prefs().setLine(3, QStringLiteral("00:01:05Tea"));
    qint64 now = 250;
    Timers timers(store, [&] { return now; });
    timers.readSaved();
    QSignalSpy expired(&timers, &Timers::expired);
    QSignalSpy lastMinute(&timers, &Timers::lastMinute);
    QSignalSpy lastSecond(&timers, &Timers::lastSecond);
    QSignalSpy cleared(&timers, &Timers::cleared);

    QVERIFY(timers.toggle(3));
    QVERIFY(timers.anyRunning());
    // After 00:00:00 has shown for a second: 66 s from its start.
    QCOMPARE(timers.dueMs(3), 66250LL);
    now += 60000;
    timers.tickCountdowns();
    QCOMPARE(timers.timeText(3), QStringLiteral("00:00:05"));
    QVERIFY(timers.inLastMinute(3));
    QCOMPARE(lastMinute.last().at(1).toString(), QStringLiteral("M6"));
    // A tick a moment before its moment, however late the ticks came: its
    // last second, no ring.
    now = 66249;
    timers.tickCountdowns();
    QCOMPARE(timers.timeText(3), QStringLiteral("00:00:00"));
    QCOMPARE(lastSecond.count(), 1);
    QCOMPARE(expired.count(), 0);
    // The first tick after it, even a stall later: it rings, once.
    now += 40000;
    timers.tickCountdowns();
    QCOMPARE(expired.count(), 1);
    QCOMPARE(timers.stateOf(3), Timers::State::Ringing);
    QCOMPARE(timers.runningTimers().size(), 0);
    timers.tickCountdowns();
    QCOMPARE(expired.count(), 1);

    // Acknowledged: at rest, showing its line's time again.
    QVERIFY(timers.acknowledgeAll());
    QCOMPARE(timers.stateOf(3), Timers::State::Idle);
    QCOMPARE(timers.timeText(3), QStringLiteral("00:01:05"));
    QCOMPARE(cleared.count(), 1);
    QVERIFY(!timers.acknowledgeAll());

    // Nothing to count: a zero time, or a line that holds no time.
    for (const QString& line : {QStringLiteral("00:00:00Egg"), QStringLiteral("1:3O:00")}) {
        store.prefs().setLine(4, line);
        timers.readSaved();
        QVERIFY(!timers.toggle(4));
        QCOMPARE(timers.stateOf(4), Timers::State::Idle);
        QCOMPARE(timers.timeText(4), line.left(8));
    }
}

void ModelsTest::quickTimerLengths_data() {
    QTest::addColumn<QString>("preset");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("left");
    QTest::addColumn<bool>("rings");
    QTest::newRow("90 s, after 89") << "90" << 89 << 1 << false;
    QTest::newRow("90 s, after 90") << "90" << 90 << 0 << true;
    QTest::newRow("zero rings at the first tick") << "0" << 1 << 0 << true;
    QTest::newRow("the lowest number never wraps") << "-2147483648" << 1 << 0 << true;
    QTest::newRow("damaged: the standard 1 minute") << "a minute" << 59 << 1 << false;
}

void ModelsTest::quickTimerLengths() {
    QFETCH(QString, preset);
    QFETCH(int, ticks);
    QFETCH(int, left);
    QFETCH(bool, rings);
    SettingsStore store;
    store.presets().setLine(0, preset);
    qint64 now = 0;
    Timers timers(store, [&] { return now; });
    QVERIFY(timers.toggle(23));
    for (int i = 0; i < ticks; ++i) {
        now += 1000;
        timers.tickQuickTimers();
    }
    QCOMPARE(timers.secondsLeft(23), left);
    QCOMPARE(timers.isRinging(23), rings);
    QVERIFY(!timers.toggle(23));
    QCOMPARE(timers.secondsLeft(23), 0);
}

void ModelsTest::editorAndSecondsMenuWriteTheLine() {
    SettingsStore store;
    store.prefs().setLine(2, QStringLiteral("00:10:15Pasta"));
    Timers timers(store, [] { return 0; });
    timers.readSaved();
    timers.edit(2, 1, 30, QStringLiteral("Boil\r\nwater"));
    QCOMPARE(store.prefs().line(2), QStringLiteral("01:30:15Boil water"));
    timers.setSeconds(2, 45);
    QCOMPARE(store.prefs().line(2), QStringLiteral("01:30:45Boil water"));
    QCOMPARE(timers.label(2), QStringLiteral("Boil water"));
    // The editor's clear shows no seconds; the line keeps them until it stores.
    timers.zeroSeconds(2);
    QCOMPARE(timers.timeText(2), QStringLiteral("01:30:00"));
    QCOMPARE(store.prefs().line(2), QStringLiteral("01:30:45Boil water"));
}

void ModelsTest::journalReadsOnlyItsOwn_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("read");
    QTest::newRow("its own") << QByteArray("quorbel journal 1\nboot b\nrunning 3 10 20\n"
                                           "ringing 23 5\n")
                             << true;
    QTest::newRow("with the stopwatch")
        << QByteArray("quorbel journal 1\nboot b\nstopwatch running 10 20\n") << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("a stopwatch at minus one second")
        << QByteArray("quorbel journal 1\nstopwatch paused -1\n") << false;
    QTest::newRow("another version") << QByteArray("quorbel journal 2\nboot b\n") << false;
    QTest::newRow("no timer 11") << QByteArray("quorbel journal 1\nrunning 11 10 20\n") << false;
    QTest::newRow("cut short") << QByteArray("quorbel journal 1\nrunning 3 10") << false;
    QTest::newRow("a word too many") << QByteArray("quorbel journal 1\nringing 3 10 20\n") << false;
    QTest::newRow("the lowest 64-bit number")
        << QByteArray("quorbel journal 1\nrunning 1 -9223372036854775808 5\n") << false;
    QTest::newRow("a stopwatch beyond a century")
        << QByteArray("quorbel journal 1\nstopwatch paused 9223372036854775807\n") << false;
    QTest::newRow("a plus sign") << QByteArray("quorbel journal 1\nringing 3 +10\n") << false;
    QTest::newRow("a NUL inside a number")
        << QByteArray("quorbel journal 1\nringing 3 10\0\x39\n", 33) << false;
}

void ModelsTest::journalReadsOnlyItsOwn() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, read);
    const std::optional<Journal> journal = Journal::parse(bytes);
    QCOMPARE(journal.has_value(), read);
    if (journal)
        QCOMPARE(journal->bytes(), bytes);
}

void ModelsTest::journalWritesWhatItReads() {
    // Whatever the program holds, the next start reads it back.
    Journal extreme;
    extreme.running = {{1, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()}};
    extreme.stopwatch = Journal::StopwatchState{false, 0, 0, std::numeric_limits<qint64>::max()};
    extreme.snooze = std::numeric_limits<qint64>::max();
    QVERIFY(Journal::parse(extreme.bytes()));
    // Each timer and alarm named many times is one: one alert each.
    QByteArray repeated = "quorbel journal 1\nboot b\nrunning 2 10 20\nringing 2 30\n";
    for (int i = 0; i < 5000; ++i)
        repeated += "alarm 1 " + QByteArray::number(i) + '\n';
    const std::optional<Journal> read = Journal::parse(repeated);
    QVERIFY(read);
    QCOMPARE(read->alarms, (QList<std::pair<int, qint64>>{{1, 4999}}));
    QCOMPARE(read->running.size(), 0);
    QCOMPARE(read->ringing, (QList<Journal::Ringing>{{2, 30}}));
}

void ModelsTest::journalReconciles_data() {
    QTest::addColumn<QString>("bootNow");
    QTest::addColumn<qint64>("wallNow");
    QTest::addColumn<qint64>("bootMsNow");
    QTest::addColumn<qint64>("dueBoot");
    QTest::addColumn<qint64>("ranOutAt");
    // Written with the timer due at wall 100000 and boot 50000: it resumes
    // due at the same moment, exactly.
    QTest::newRow("same boot, 40 s later") << "b" << 60000LL << 10000LL << 50000LL << -1LL;
    QTest::newRow("same boot, the wall clock set back an hour")
        << "b" << 60000LL - 3600000 << 10000LL << 50000LL << -1LL;
    QTest::newRow("same boot, a part of a second left") << "b" << 0LL << 49001LL << 50000LL << -1LL;
    QTest::newRow("same boot, ran out 5 s ago") << "b" << 105000LL << 55000LL << 0LL << 100000LL;
    QTest::newRow("after a reboot, by the wall clock") << "c" << 70000LL << 10LL << 30010LL << -1LL;
    QTest::newRow("after a reboot, ran out") << "c" << 130000LL << 10LL << 0LL << 100000LL;
}

void ModelsTest::journalReconciles() {
    QFETCH(QString, bootNow);
    QFETCH(qint64, wallNow);
    QFETCH(qint64, bootMsNow);
    QFETCH(qint64, dueBoot);
    QFETCH(qint64, ranOutAt);
    Journal journal;
    journal.bootId = QStringLiteral("b");
    journal.running = {{4, 100000, 50000}};
    // Ringing since a moment the clock has not reached: never named so.
    journal.ringing = {{30, wallNow + 7000}};
    const Reconciled done = reconcile(journal, {wallNow, bootMsNow, bootNow});
    const bool byWall = bootNow != QStringLiteral("b");
    QList<Reconciled::Ring> rings{{30, wallNow, wallNow + 7000}};
    if (ranOutAt >= 0)
        rings.prepend({4, ranOutAt, 100000, byWall});
    QCOMPARE(done.ring, rings);
    QList<Reconciled::Resume> resumes;
    if (dueBoot)
        resumes.append({4, dueBoot, 100000, byWall});
    QCOMPARE(done.resume, resumes);
}

void ModelsTest::journalBringsAlarmsBack_data() {
    QTest::addColumn<qint64>("wallNow");
    QTest::addColumn<int>("then");
    QTest::addColumn<bool>("snoozeDue");
    // Alarm 1 was due at 600000, alarm 2's snooze sound at 900000.
    QTest::newRow("before its minute") << 300000LL << int(Reconciled::Alarm::Then::Armed) << false;
    QTest::newRow("9 minutes after: rings")
        << 600000LL + 9 * 60000 << int(Reconciled::Alarm::Then::Rings) << true;
    QTest::newRow("10 minutes after: missed")
        << 600000LL + 10 * 60000 << int(Reconciled::Alarm::Then::Missed) << true;
    QTest::newRow("hours after: missed; the snooze rings once, not each period")
        << 600000LL + 300 * 60000 << int(Reconciled::Alarm::Then::Missed) << true;
}

void ModelsTest::journalBringsAlarmsBack() {
    QFETCH(qint64, wallNow);
    QFETCH(int, then);
    QFETCH(bool, snoozeDue);
    const auto journal =
        Journal::parse("quorbel journal 1\nboot b\nalarm 1 600000\nsnooze 900000\n");
    QVERIFY(journal);
    const Reconciled done = reconcile(*journal, {wallNow, 0, QStringLiteral("c")});
    QCOMPARE(done.alarms.size(), 1);
    QCOMPARE(int(done.alarms[0].then), then);
    QVERIFY(done.snoozes);
    QCOMPARE(done.snoozeDue, snoozeDue);
}

void ModelsTest::alertOptionsRoundTrip() {
    AlertOptions written;
    written.set(4, {AlertTune::Sound::File, QStringLiteral("/home/ann/Music/gong [1].ogg"), 35,
                    true, 5, true});
    written.set(AlertOptions::alarmKey(2), {AlertTune::Sound::None, {}, 100, false, 0, false});
    written.set(11, {AlertTune::Sound::None, {}, 100, false, 0, false});
    AlertOptions read;
    read.readFile(written.bytes());
    QCOMPARE(read.bytes(), written.bytes());
    QCOMPARE(read.of(4).source, QStringLiteral("/home/ann/Music/gong [1].ogg"));
    QCOMPARE(read.of(AlertOptions::alarmKey(2)).sound, AlertTune::Sound::None);
    // Only countdowns and the alarms are tuned; set back, one is forgotten.
    QCOMPARE(read.of(11), AlertTune{});
    read.set(4, {});
    QVERIFY(!read.bytes().contains("[timer 4]"));

    // What it does not know is the user's, or a later version's: kept.
    AlertOptions kept;
    kept.readFile("# mine\n[timer 3]\nvolume=40\ncolour=red\n\n[clock]\nface=round\n");
    kept.set(3, {AlertTune::Sound::None, {}, 60, false, 0, false});
    QCOMPARE(kept.bytes(), QByteArray("# mine\n\n[timer 3]\nsound=none\nvolume=60\nsoft=false\n"
                                      "warn=0\nrepeat=false\ncolour=red\n\n[clock]\nface=round\n"));
}

void ModelsTest::alertOptionsReadWhatTheyCan_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("volume");
    QTest::addColumn<int>("warn");
    QTest::addColumn<bool>("soft");
    // What a save writes back; empty where only the reading counts.
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("garbage: as the default has it")
        << QByteArray("\x00\xff[[[=\n=x") << 100 << 0 << false << QByteArray();
    QTest::newRow("out of bounds: kept as it was")
        << QByteArray("[timer 3]\nvolume=140\nwarn=-2\nsoft=yes\n") << 100 << 0 << false
        << QByteArray();
    QTest::newRow("the least volume, the longest warning")
        << QByteArray("[timer 3]\nvolume=0\nwarn=999\n") << 0 << 999 << false
        << QByteArray("[timer 3]\nsound=design\nvolume=0\nsoft=false\nwarn=999\nrepeat=false\n\n");
    QTest::newRow("the most volume")
        << QByteArray("[timer 3]\nvolume=100\nwarn=1\n") << 100 << 1 << false
        << QByteArray("[timer 3]\nsound=design\nvolume=100\nsoft=false\nwarn=1\nrepeat=false\n\n");
    QTest::newRow("just past the bounds")
        << QByteArray("[timer 3]\nvolume=101\nwarn=1000\n") << 100 << 0 << false << QByteArray();
    QTest::newRow("blanks and CR LF, unknown keys passed over, CR LF kept")
        << QByteArray("[ timer  3 ]\r\n volume = 40 \r\nwarn=7\r\nsoft=true\r\ncolour=red\r\n")
        << 40 << 7 << true
        << QByteArray("[timer 3]\r\nsound=design\r\nvolume=40\r\nsoft=true\r\nwarn=7\r\n"
                      "repeat=false\r\ncolour=red\r\n\r\n");
    QTest::newRow("UTF-16, as a Windows editor saves it")
        << QByteArray("\xff\xfe[\0t\0i\0m\0e\0r\0 \0\x33\0]\0\n\0v\0o\0l\0u\0m\0e\0=\0\x34\0\x30\0"
                      "\n\0",
                      40)
        << 40 << 0 << false << QByteArray();
    QTest::newRow("a section of no timer's")
        << QByteArray("[timer 33]\nvolume=40\n") << 100 << 0 << false << QByteArray();
    // The mark is no part of the first section's name, whatever follows.
    QTest::newRow("a UTF-8 mark, and a byte that is not UTF-8")
        << QByteArray("\xEF\xBB\xBF[timer 3]\nvolume=40\n; caf\xE9\n") << 40 << 0 << false
        << QByteArray("\xEF\xBB\xBF[timer 3]\nsound=design\nvolume=40\nsoft=false\nwarn=0\n"
                      "repeat=false\n; caf\xE9\n\n");
    QTest::newRow("a key twice: the first counts, the second stays as it was")
        << QByteArray("[timer 3]\nvolume=40\nwarn=7\nvolume=60\n[timer 3]\nwarn=2\n") << 40 << 7
        << false
        << QByteArray("[timer 3]\nsound=design\nvolume=40\nsoft=false\nwarn=7\nrepeat=false\n"
                      "volume=60\nwarn=2\n\n");
}

void ModelsTest::alertOptionsReadWhatTheyCan() {
    QFETCH(QByteArray, file);
    QFETCH(int, volume);
    QFETCH(int, warn);
    QFETCH(bool, soft);
    QFETCH(QByteArray, saved);
    AlertOptions options;
    options.readFile(file);
    QCOMPARE(options.of(3).volume, volume);
    QCOMPARE(options.of(3).warnMinutes, warn);
    QCOMPARE(options.of(3).softStart, soft);
    QCOMPARE(options.of(3).sound, AlertTune::Sound::Standard);
    if (saved.isEmpty())
        return;
    QCOMPARE(options.bytes(), saved);
    // What was saved reads as it was before the save.
    AlertOptions again;
    again.readFile(saved);
    QCOMPARE(again.of(3), options.of(3));
    QCOMPARE(again.bytes(), saved);
}

QTEST_GUILESS_MAIN(ModelsTest)
#include "test_models.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The models without a window.
#include "models/AlarmClock.h"
#include "models/Prefs.h"
#include "models/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class ModelsTest : public QObject {
    Q_OBJECT
private slots:
    void settingsStoreLoads_data();
    void settingsStoreLoads();
    void minuteMatch_data();
    void minuteMatch();
};

void ModelsTest::settingsStoreLoads_data() {
    QTest::addColumn<QByteArray>("prefs");
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("lines");
    const QStringList defaults = QString(DefaultPrefsText()).split(QStringLiteral("\r\n"));
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
    QVERIFY(!store.MayWritePrefs());
    store.Load(path, folder.filePath(QStringLiteral("pprefs.qbx")));
    QCOMPARE(int(*store.PrefsFile()), state);
    QCOMPARE(store.MayWritePrefs(), state != int(FileState::Unreadable));
    QStringList held;
    for (int i = 0; i < store.Prefs().Count(); ++i)
        held << store.Prefs().Line(i);
    QCOMPARE(held, lines);
    // No presets file: the design's lengths.
    QCOMPARE(QuickLength(store.Presets(), 34), 20 * 60);
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
    alarms.SetTime(1, alarm);
    alarms.SetAmPm(1, amPm);
    QCOMPARE(alarms.InItsMinute(1, now), rings);
}

QTEST_GUILESS_MAIN(ModelsTest)
#include "test_models.moc"

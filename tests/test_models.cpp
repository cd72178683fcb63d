// SPDX-License-Identifier: GPL-3.0-or-later
// The models without a window.
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

QTEST_GUILESS_MAIN(ModelsTest)
#include "test_models.moc"

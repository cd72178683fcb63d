// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule dialog and the runs once a minute, against a fake process
// table and shell; and once against the real ones.
#include "FormFixture.h"
#include "platform/QtPlatform.h"
#include "scheduler/ScheduleDialog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class SchedulerTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void runs_data();
    void runs();
    void pauseLetsTheWindowGoOn();
    void neverEndsWhatItMustNot_data();
    void neverEndsWhatItMustNot();
    void namesMatchWithoutCase();
    void twoRecordsForOneProgram();
    void stubbornProcessIsKilled();
    void neverTwiceInOneMinute();
    void clockJumps_data();
    void clockJumps();
    void dialogPausesScheduler();
    void cancelKeepsEditsInMemory();
    void escapeResumesToo();
    void fileLineRules_data();
    void fileLineRules();
    void failedWriteKeepsDialogOpen_data();
    void failedWriteKeepsDialogOpen();
    void textBeyondItsCodePage();
    void realProcessRestarted();

private:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<platform::FakePlatform> desktop;
    std::unique_ptr<Form> form;
    ScheduleDialog* dialog = nullptr;

    void start() {
        form = std::make_unique<Form>(desktop->interfaces());
        dialog = form->part<Scheduler>().createDialog();
    }
    void setList(const QString& text) {
        dialog->findChild<QPlainTextEdit*>(QStringLiteral("Memo3"))->setPlainText(text);
    }
    // A run, and the time its launches take.
    void runAt(int h, int m, int s = 30) {
        desktop->time = QTime(h, m, s);
        guard([this] { form->part<Scheduler>().run(); });
        desktop->advance(60000);
    }
    QString path() const { return QDir(folder->path()).filePath(QStringLiteral("proc.qbx")); }
};

void SchedulerTest::init() {
    folder = std::make_unique<QTemporaryDir>();
    desktop = std::make_unique<platform::FakePlatform>();
    desktop->executableFolder = folder->path();
    // A portable folder, as the build makes one.
    QFile presets(QDir(folder->path()).filePath(QStringLiteral("pprefs.qbx")));
    QVERIFY(presets.open(QIODevice::WriteOnly));
    desktop->processes = {{10, "bash"},
                          {20, "TOOL.EXE"},
                          {30, "tool.exe"},
                          {40, "/usr/bin/dash", "/bin/sh", "/tmp/other.sh"},
                          {41, "/usr/bin/dash", "/bin/sh", "/home/ann/bin/backup.sh"},
                          {42, "/usr/lib/foo/foo-bin", "foo"},
                          {43, "/opt/real/busybox", "/opt/bin/nc"},
                          {44, "/usr/local/bin/backup", "backup"}};
    desktop->files = {{"/home/ann/bin/backup.sh", {"/home/ann/bin/backup.sh", {}, "/usr/bin/dash"}},
                      {"/usr/bin/foo", {"/usr/bin/foo", "/usr/lib/foo/foo-bin", {}}},
                      {"backup", {"/usr/local/bin/backup", {}, {}}},
                      {"/opt/gone", {}},
                      {"/opt/tool ", {}}};
    start();
}

void SchedulerTest::cleanup() {
    form.reset();
    desktop.reset();
    folder.reset();
}

void SchedulerTest::runs_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QTime>("at");
    QTest::addColumn<QStringList>("events");

    const QStringList tool{"terminate 20", "after 1000", "open C:\\Apps\\tool.exe"};
    QTest::newRow("its minute") << "[1415][C:\\Apps\\tool.exe]" << QTime(14, 15, 30) << tool;
    QTest::newRow("the minute after")
        << "[1415][C:\\Apps\\tool.exe]" << QTime(14, 16, 0) << QStringList{};
    QTest::newRow("a document ends nothing")
        << "[0930][/home/ann/notes.txt]" << QTime(9, 30)
        << QStringList{"after 1000", "open /home/ann/notes.txt"};
    QTest::newRow("arguments make no program")
        << "[0930][C:\\Apps\\tool.exe /quiet]" << QTime(9, 30)
        << QStringList{"after 1000", "open C:\\Apps\\tool.exe /quiet"};
    QTest::newRow("tilde at the start") << "~[0930][/opt/a]" << QTime(9, 30) << QStringList{};
    QTest::newRow("tilde in the name")
        << "[0930][/opt/PROGRA~1/a]" << QTime(9, 30) << QStringList{};
    QTest::newRow("bad lines no longer stop the run")
        << "[0930][/opt/a]\n\nnote to self\n[09x0][/opt/b]\n[0930][/opt/c]\n"
        << QTime(9, 30) << QStringList{"after 1000", "open /opt/a", "after 1000", "open /opt/c"};
    QTest::newRow("2400 never") << "[2400][/opt/a]" << QTime(0, 0) << QStringList{};
    QTest::newRow("0000 at midnight")
        << "[0000][/opt/a]" << QTime(0, 0, 5) << QStringList{"after 1000", "open /opt/a"};
    QTest::newRow("a blank before 930")
        << "[ 930][/opt/a]" << QTime(9, 30) << QStringList{"after 1000", "open /opt/a"};
    QTest::newRow("brackets taken out")
        << "[0930][/opt/a]b]" << QTime(9, 30) << QStringList{"after 1000", "open /opt/ab"};
    QTest::newRow("Linux path") << "[0930][/usr/local/bin/tool.exe]" << QTime(9, 30)
                                << QStringList{"terminate 20", "after 1000",
                                               "open /usr/local/bin/tool.exe"};
    QTest::newRow("a script, run by its interpreter")
        << "[0930][/home/ann/bin/backup.sh]" << QTime(9, 30)
        << QStringList{"terminate 41", "after 1000", "open /home/ann/bin/backup.sh"};
    QTest::newRow("a program started through a link")
        << "[0930][/usr/bin/foo]" << QTime(9, 30)
        << QStringList{"terminate 42", "after 1000", "open /usr/bin/foo"};
    QTest::newRow("a program started by the record's name")
        << "[0930][/opt/bin/nc]" << QTime(9, 30)
        << QStringList{"terminate 43", "after 1000", "open /opt/bin/nc"};
    QTest::newRow("a bare name, found on PATH")
        << "[0930][backup]" << QTime(9, 30)
        << QStringList{"terminate 44", "after 1000", "open /usr/local/bin/backup"};
    QTest::newRow("a missing file ends nothing")
        << "[0930][/opt/gone]\n[0930][/opt/tool ]" << QTime(9, 30) << QStringList{};
}

void SchedulerTest::runs() {
    QFETCH(QString, list);
    QFETCH(QTime, at);
    QFETCH(QStringList, events);
    setList(list);
    runAt(at.hour(), at.minute(), at.second());
    QCOMPARE(desktop->events, events);
    QCOMPARE(form->part<Scheduler>().period(), 60000);
    // Only the first process of the name was ended.
    QVERIFY(desktop->processes[2].running);
}

void SchedulerTest::pauseLetsTheWindowGoOn() {
    setList(QStringLiteral("[0930][C:\\Apps\\tool.exe]\n[0930][/opt/a]"));
    form->settings().prefs().setLine(1, QStringLiteral("00:00:05"));
    form->timersModel().readSaved();
    QTest::mouseClick(form->slotButton(1), Qt::LeftButton);
    desktop->time = QTime(9, 30);
    guard([this] { form->part<Scheduler>().run(); });
    QCOMPARE(desktop->events, (QStringList{"terminate 20", "after 1000"}));
    // The tick and the user's clicks go on while the program saves its work.
    form->tick();
    QCOMPARE(form->slotEdit(1)->text(), QStringLiteral("00:00:04"));
    QTest::mouseClick(form->slotButton(23), Qt::LeftButton);
    QCOMPARE(form->timersModel().stateOf(23), Timers::State::Running);
    // Then each record in turn: its start, the next one's end and pause.
    // The tick took the first pause's second already.
    desktop->advance(0);
    QCOMPARE(desktop->events,
             (QStringList{"terminate 20", "after 1000", "open C:\\Apps\\tool.exe", "after 1000"}));
    desktop->advance(1000);
    QCOMPARE(desktop->events.last(), QStringLiteral("open /opt/a"));
    QVERIFY(desktop->pending.isEmpty());
}

void SchedulerTest::neverEndsWhatItMustNot_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("events");
    const auto startsOnly = [](const char* file) {
        return QStringList{"after 1000", QStringLiteral("open ") + QLatin1String(file)};
    };
    QTest::newRow("the system's first process") << "/sbin/init" << startsOnly("/sbin/init");
    QTest::newRow("the program itself") << "/opt/quorbel/quorbel" << QStringList{};
    QTest::newRow("the terminal it was started from")
        << "/usr/bin/xterm" << startsOnly("/usr/bin/xterm");
    QTest::newRow("the shell in that terminal") << "/bin/bash" << startsOnly("/bin/bash");
    QTest::newRow("its session") << "/usr/bin/x-session" << startsOnly("/usr/bin/x-session");
    QTest::newRow("another user's copy, then the user's own")
        << "/opt/tool" << QStringList{"terminate 70", "after 1000", "open /opt/tool"};
}

void SchedulerTest::neverEndsWhatItMustNot() {
    QFETCH(QString, file);
    QFETCH(QStringList, events);
    using P = platform::FakePlatform::Process;
    P init{1, "/sbin/init"};
    P session{200, "/usr/bin/x-session"};
    P terminal{300, "/usr/bin/xterm", {}, {}, 1, 200};
    P shell{400, "/usr/bin/bash", "bash", {}, 300, 400};
    P itself{desktop->selfPid, "/opt/quorbel/quorbel", {}, {}, 400, 200};
    P foreign{60, "/opt/tool"};
    foreign.mayEnd = false;
    P own{70, "/opt/tool"};
    desktop->processes = {init, foreign, own, session, terminal, shell, itself};
    setList(QStringLiteral("[0930][%1]").arg(file));
    runAt(9, 30);
    QCOMPARE(desktop->events, events);
}

void SchedulerTest::namesMatchWithoutCase() {
    desktop->processes = {{5, " Backup.Exe\t"}};
    setList(QStringLiteral("[0700][D:\\bin\\backup.EXE]"));
    runAt(7, 0);
    QCOMPARE(desktop->events.value(0), QStringLiteral("terminate 5"));
}

void SchedulerTest::twoRecordsForOneProgram() {
    desktop->processes.clear();
    desktop->programs = {QStringLiteral("/opt/tool")};
    setList(QStringLiteral("[0800][/opt/tool]\n[0800][/opt/tool]"));
    runAt(8, 0);
    QCOMPARE(desktop->events.size(), 5);
    QCOMPARE(desktop->events[0], QStringLiteral("after 1000"));
    QCOMPARE(desktop->events[1], QStringLiteral("open /opt/tool"));
    QVERIFY(desktop->events[2].startsWith(QLatin1String("terminate ")));
    QCOMPARE(desktop->events[4], QStringLiteral("open /opt/tool"));
}

void SchedulerTest::stubbornProcessIsKilled() {
    desktop->processes = {{7, "tool"}};
    desktop->processes[0].obliging = false;
    setList(QStringLiteral("[1200][/opt/tool]"));
    runAt(12, 0);
    QCOMPARE(desktop->events,
             (QStringList{"terminate 7", "after 1000", "kill 7", "open /opt/tool"}));
}

void SchedulerTest::neverTwiceInOneMinute() {
    setList(QStringLiteral("[0930][/opt/a]"));
    runAt(9, 30, 0);
    runAt(9, 30, 59);
    QCOMPARE(desktop->events.size(), 2);
    QCOMPARE(form->part<Scheduler>().period(), 60000);
    runAt(9, 31, 0);
    QCOMPARE(desktop->events.size(), 2);
}

void SchedulerTest::clockJumps_data() {
    QTest::addColumn<QList<QTime>>("runs");
    QTest::addColumn<int>("launches");
    QTest::newRow("over the record's minute: within ten minutes it runs")
        << QList<QTime>{{9, 28}, {9, 37}, {9, 38}} << 1;
    QTest::newRow("more than ten minutes later it is missed")
        << QList<QTime>{{9, 28}, {9, 41}} << 0;
    QTest::newRow("back over it, as in autumn: it ran the first time")
        << QList<QTime>{{9, 30}, {9, 31}, {9, 29}, {9, 30}, {9, 31}} << 1;
    QTest::newRow("a beat late across two minutes") << QList<QTime>{{9, 29, 59}, {9, 31, 1}} << 1;
}

void SchedulerTest::clockJumps() {
    QFETCH(QList<QTime>, runs);
    QFETCH(int, launches);
    setList(QStringLiteral("[0930][/opt/a]"));
    for (QTime at : runs)
        runAt(at.hour(), at.minute(), at.second());
    QCOMPARE(desktop->events.count(QStringLiteral("open /opt/a")), launches);
}

void SchedulerTest::dialogPausesScheduler() {
    QCOMPARE(form->part<Scheduler>().period(), 1000);
    setList(QStringLiteral("[0700][/opt/a]\n[0702][/opt/b]\n"));
    runAt(6, 59, 40);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QCOMPARE(form->part<Scheduler>().period(), 0);
    // Open from before seven until after it: seven's record waits for the
    // next day, the next minute's runs.
    desktop->time = QTime(7, 1, 5);
    dialog->findChild<FlatButton*>(QStringLiteral("SpeedButton1"))->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(form->part<Scheduler>().period(), 60000);
    runAt(7, 2, 5);
    QCOMPARE(desktop->events.filter(QStringLiteral("open ")),
             QStringList{QStringLiteral("open /opt/b")});
}

void SchedulerTest::cancelKeepsEditsInMemory() {
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[0930][/opt/a]\r\n");
    file.close();
    form.reset();
    start();
    QCOMPARE(dialog->lines().lines(), QStringList{"[0930][/opt/a]"});

    desktop->time = QTime(9, 30);
    dialog->show();
    setList(QStringLiteral("[0931][/opt/b]\n"));
    dialog->findChild<FlatButton*>(QStringLiteral("SpeedButton1"))->click();
    runAt(9, 31);
    QCOMPARE(desktop->events.last(), QStringLiteral("open /opt/b"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[0930][/opt/a]\r\n"));
}

void SchedulerTest::escapeResumesToo() {
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTest::keyClick(dialog->findChild<QPlainTextEdit*>(QStringLiteral("Memo3")), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(form->part<Scheduler>().period(), 60000);
}

void SchedulerTest::fileLineRules_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("final line end")
        << QByteArray("[0930][/a]\r\n[1000][/b]\r\n") << QStringList{"[0930][/a]", "[1000][/b]"}
        << QByteArray("[0930][/a]\r\n[1000][/b]\r\n");
    QTest::newRow("two final line ends")
        << QByteArray("[0930][/a]\r\n\r\n") << QStringList{"[0930][/a]", ""}
        << QByteArray("[0930][/a]\r\n\r\n");
    QTest::newRow("lone LF") << QByteArray("[0930][/a]\n[1000][/b]")
                             << QStringList{"[0930][/a]", "[1000][/b]"}
                             << QByteArray("[0930][/a]\r\n[1000][/b]");
    QTest::newRow("tilde line kept") << QByteArray("~[0930][C:\\Tools\\backup.exe]\r\n")
                                     << QStringList{"~[0930][C:\\Tools\\backup.exe]"}
                                     << QByteArray("~[0930][C:\\Tools\\backup.exe]\r\n");
    const QByteArray utf16 =
        QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)
            .encode(QString::fromUtf8("[0930][/\u0142]\r\n"));
    QTest::newRow("UTF-16") << utf16 << QStringList{QString::fromUtf8("[0930][/\u0142]")} << utf16;
    QTest::newRow("Windows-1252") << QByteArray("[0930][C:\\Programme\\K\xfc"
                                                "che.exe]\r\n")
                                  << QStringList{QString::fromUtf8(
                                         "[0930][C:\\Programme\\Küche.exe]")}
                                  << QByteArray("[0930][C:\\Programme\\K\xfc"
                                                "che.exe]\r\n");
}

void SchedulerTest::fileLineRules() {
    QFETCH(QByteArray, stored);
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, written);
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(stored);
    file.close();
    form.reset();
    start();
    QCOMPARE(dialog->lines().lines(), lines);
    dialog->show();
    dialog->findChild<FlatButton*>(QStringLiteral("SpeedButton2"))->click();
    QCOMPARE(form->part<Scheduler>().period(), 60000);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), written);
}

void SchedulerTest::textBeyondItsCodePage() {
    // A file from Windows gets a record with letters Windows-1252 lacks:
    // the whole file goes to UTF-8, and every letter comes back.
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[0930][C:\\Programme\\K\xfc"
               "che.exe]\r\n");
    file.close();
    form.reset();
    start();
    const QString typed = QString::fromUtf8("[0930][C:\\Programme\\K\u00fcche.exe]\n"
                                            "[1000][/home/ann/\u0142\u00f3d\u017a.sh]\n");
    setList(typed);
    dialog->show();
    dialog->findChild<FlatButton*>(QStringLiteral("SpeedButton2"))->click();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), typed.toUtf8().replace("\n", "\r\n"));
    file.close();
    form.reset();
    start();
    QCOMPARE(dialog->lines().lines(), typed.trimmed().split(u'\n'));
}

void SchedulerTest::failedWriteKeepsDialogOpen_data() {
    QTest::addColumn<bool>("tooLarge");
    QTest::newRow("the folder gone") << false;
    QTest::newRow("a file too large to read, never replaced") << true;
}

void SchedulerTest::failedWriteKeepsDialogOpen() {
    QFETCH(bool, tooLarge);
    if (tooLarge) {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(kLargestFile + 1));
    }
    form.reset();
    start();
    const QString moved = folder->path() + QStringLiteral("-moved");
    if (!tooLarge)
        QVERIFY(QDir().rename(folder->path(), moved));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    dialog->findChild<FlatButton*>(QStringLiteral("SpeedButton2"))->click();
    QVERIFY(dialog->isVisible());
    QCOMPARE(form->part<Scheduler>().period(), 0);
    dialog->findChild<FlatButton*>(QStringLiteral("SpeedButton1"))->click();
    QCOMPARE(form->part<Scheduler>().period(), 60000);
    if (!tooLarge)
        QVERIFY(QDir().rename(moved, folder->path()));
    if (tooLarge)
        QCOMPARE(QFileInfo(path()).size(), kLargestFile + 1);
}

void SchedulerTest::realProcessRestarted() {
    const QString program =
        QDir(folder->path())
            .filePath(QStringLiteral("qsleeper-%1").arg(QCoreApplication::applicationPid()));
    QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/quorbel_sleeper"),
                        program));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    qint64 first = 0;
    QVERIFY(QProcess::startDetached(program, {}, QString(), &first));

    platform::QtPlatform real(nullptr);
    const platform::Platform fake = desktop->interfaces();
    // The real process table and shell on the fake desktop.
    platform::Platform withReal{fake.clock,         fake.cursor,   fake.screens, fake.questions,
                                fake.files,         fake.text,     fake.windows, fake.sound,
                                fake.tray,          real,          real,         fake.session,
                                fake.notifications, fake.instance, fake.remote,  fake.shortcuts,
                                fake.power,         fake.autostart};
    form.reset();
    form = std::make_unique<Form>(withReal);
    dialog = form->part<Scheduler>().createDialog();
    const auto running = [&] {
        return findProcess(real.snapshot(), real.find(program), real.self()).pid;
    };
    QTRY_COMPARE(running(), first);

    setList(QStringLiteral("[1015][%1]").arg(program));
    runAt(10, 15);
    qint64 second = 0;
    QTRY_VERIFY_WITH_TIMEOUT((second = running()) && second != first, 5000);
    real.terminate(second);
    real.kill(second);
    QTRY_COMPARE(running(), 0);
}

QTEST_MAIN(SchedulerTest)
#include "test_scheduler.moc"

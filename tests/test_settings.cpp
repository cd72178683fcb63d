// SPDX-License-Identifier: GPL-3.0-or-later
// The settings files through a run of the program: loaded at the first
// activation, saved at close, with damaged and foreign files.
#include "FormFixture.h"
#include "core/Colors.h"
#include "models/Prefs.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using Answer = platform::Questions::Answer;

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstRunOfAnInstalledCopy();
    void firstRunKeepsSlots();
    void fileWithoutLinesCountsAsNone();
    void roundTrip_data();
    void roundTrip();
    void loadShowsSettings();
    void damagedFieldsKeepStartValues();
    void shortFileGrowsToHoldEverySlot();
    void alarmQuestion_data();
    void alarmQuestion();
    void noQuestionWithoutChange();
    void alarmOptionsSurviveRestart();
    void failedSaveAsks_data();
    void failedSaveAsks();
    void closeBeforeActivationWritesNothing();
    void desktopEndSavesWithoutAsking_data();
    void desktopEndSavesWithoutAsking();
    void messageNeverBreaksItsLine();
    void unreadablePrefsIsNeverOverwritten_data();
    void unreadablePrefsIsNeverOverwritten();
    void fileAtTheLimitNeverGrowsPastIt();
    void endFromSystemUnderAQuestion_data();
    void endFromSystemUnderAQuestion();
    void closeNoSaveWritesNothing();
    void encodings_data();
    void encodings();
    void quickCaptionsAndLengths();
    void quickTimerRuns();
    void quickTimerClickStops();
    void remainingTimePopup();

private:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<platform::FakePlatform> desktop;
    std::unique_ptr<Form> form;

    QString path(const QString& name) const { return QDir(folder->path()).filePath(name); }
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Starts the program: the first activation loads the files.
    void start() {
        // One window at a time hears the desktop's end.
        form.reset();
        form = std::make_unique<Form>(desktop->interfaces());
        form->realSettings = true;
        form->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void quit() { form->quitButton->click(); }
};

namespace {

QByteArray joined(const QList<QByteArray>& lines, const QByteArray& end = "\r\n",
                  bool last = true) {
    QByteArray text;
    for (int i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size() || last)
            text += end;
    }
    return text;
}

// A full file as the original program wrote it, options in position order:
// Sound, Recur, Minimize, alarm 1 Recur, snooze, alarm half, Start ON, alarm
// delay, tray colour.
QList<QByteArray> fullFile() {
    return {"101130053extra chars",
            "00:10:00Tea",
            "01:30:45Bread",
            "00:00:05Egg",
            "00:00:00Message",
            "00:20:00Take the bread out of the oven, then",
            "00:00:00Message",
            "00:00:00Message",
            "00:00:00Message",
            "00:00:00Message",
            "02:00:00Long one",
            "7:30:00 AM",
            "10:15:00 PM",
            "AM",
            "PM"};
}

} // namespace

void SettingsTest::init() {
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    desktop = std::make_unique<platform::FakePlatform>();
    desktop->executableFolder = folder->path();
    desktop->desktop = QRect(0, 0, 2000, 1000);
    // A portable folder, as the build makes one.
    write("pprefs.qbx", defaultPprefsText().toLatin1());
}

void SettingsTest::cleanup() {
    form.reset();
    desktop.reset();
    folder.reset();
}

void SettingsTest::firstRunOfAnInstalledCopy() {
    // bin/ with the program alone, the defaults in share/quorbel, and the
    // user's settings folder still to come.
    const QDir root(folder->path());
    QVERIFY(root.mkpath("bin") && root.mkpath("share/quorbel"));
    QFile::remove(path("pprefs.qbx"));
    write("share/quorbel/pprefs.qbx", "90\r\n");
    desktop->executableFolder = path("bin");
    desktop->configFolder = path("config");
    start();
    QCOMPARE(form->slotButton(23)->text(), QStringLiteral("1"));
    quit();
    // Positions 1 to 9: Sound, Recur checked; no minimize; alarm 1 Recur
    // checked; "3 min" is the second snooze button; alarm half closed; not
    // Start ON; the first alarm delay item checked; tray colour untouched.
    QCOMPARE(read("config/quorbel/prefs.qbx"),
             joined({QByteArray("110120010") + QByteArray(21, '0'), "00:00:00Message",
                     "00:00:00Message", "00:00:00Message", "00:00:00Message", "00:00:00Message",
                     "00:00:00Message", "00:00:00Message", "00:00:00Message", "00:00:00Message",
                     "00:00:00Message", "12:00:00 PM", "12:00:00 PM", "AM", "AM"}));
    QVERIFY(QDir(path("bin")).isEmpty());
    // A copy of the user's own in the settings folder counts over the default.
    write("config/quorbel/pprefs.qbx", "600\r\n");
    start();
    QCOMPARE(form->slotButton(23)->text(), QStringLiteral("10"));
}

void SettingsTest::fileWithoutLinesCountsAsNone() {
    // A byte-order mark alone: nothing stored, so the default options hold.
    write("prefs.qbx", "\xEF\xBB\xBF");
    start();
    QVERIFY(form->soundBox->isChecked());
    quit();
    QVERIFY(read("prefs.qbx").startsWith(QByteArray("110120010") + QByteArray(21, '0') + "\r\n"));
}

void SettingsTest::firstRunKeepsSlots() {
    start();
    QTest::mousePress(form->slotEdit(3), Qt::RightButton, {}, QPoint(5, 5));
    form->control<QAction>("N30")->trigger();
    quit();
    start();
    QCOMPARE(form->slotEdit(3)->text(), QStringLiteral("00:00:30"));
    QCOMPARE(form->slotButton(3)->text(), QStringLiteral("Message"));
}

void SettingsTest::roundTrip_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("written");

    const QByteArray crlf = joined(fullFile());
    QTest::newRow("CR LF") << crlf << crlf;
    QTest::newRow("LF only") << joined(fullFile(), "\n") << crlf;
    QTest::newRow("CR only") << joined(fullFile(), "\r") << crlf;
    QTest::newRow("no final line end")
        << joined(fullFile(), "\r\n", false) << joined(fullFile(), "\r\n", false);
    QList<QByteArray> longer = fullFile();
    longer << "line 15 belongs to nobody"
           << ""
           << "line 17";
    QTest::newRow("lines past 14") << joined(longer) << joined(longer);
    QList<QByteArray> accents = fullFile();
    accents[1] = "00:10:00Th\xE9 \xE0 la menthe \x80 \x81";
    QTest::newRow("Windows-1252") << joined(accents) << joined(accents);
    // The mark stays at the head, no part of line 0, though the rest is not UTF-8.
    QTest::newRow("UTF-8 mark, then Windows-1252")
        << "\xEF\xBB\xBF" + joined(accents) << "\xEF\xBB\xBF" + joined(accents);
    QList<QByteArray> utf8 = fullFile();
    utf8[1] = "00:10:00Th\xC3\xA9 \xE2\x98\x95";
    QTest::newRow("UTF-8") << joined(utf8) << joined(utf8);
    QTest::newRow("UTF-8 with byte-order mark")
        << "\xEF\xBB\xBF" + joined(utf8) << "\xEF\xBB\xBF" + joined(utf8);
    // As a Windows editor saves "Unicode".
    const QString text = QString::fromUtf8(joined(utf8));
    for (const auto& [name, encoding] : {std::pair{"UTF-16 LE", QStringConverter::Utf16LE},
                                         std::pair{"UTF-16 BE", QStringConverter::Utf16BE}}) {
        const QByteArray bytes =
            QStringEncoder(encoding, QStringConverter::Flag::WriteBom).encode(text);
        QTest::newRow(name) << bytes << bytes;
        // One stray byte at its end is dropped; the rest stays UTF-16.
        QTest::newRow(QByteArray(name) + " and a stray byte") << bytes + '1' << bytes;
    }
}

void SettingsTest::roundTrip() {
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, written);
    write("prefs.qbx", stored);
    start();
    QCOMPARE(form->slotButton(2)->text(), QStringLiteral("Bread"));
    QVERIFY(form->minimizeOnTimerItem->isChecked());
    quit();
    QCOMPARE(read("prefs.qbx"), written);
}

void SettingsTest::loadShowsSettings() {
    write("prefs.qbx", joined(fullFile()));
    start();
    QVERIFY(form->soundBox->isChecked());
    QVERIFY(!form->recurBox->isChecked());
    QVERIFY(form->minimizeOnTimerItem->isChecked());
    QVERIFY(form->alarm1RecurBox->isChecked());
    QVERIFY(form->snooze5Min->isChecked());
    QVERIFY(!form->snooze3Min->isChecked());
    QCOMPARE(form->width(), 298);
    QVERIFY(!form->startOnBox->isChecked());
    QCOMPARE(form->alarm1OnOff->text(), QStringLiteral("OFF"));
    QVERIFY(!form->control<QAction>("N100")->isChecked());
    QVERIFY(form->control<QAction>("N300")->isChecked());
    QVERIFY(form->control<QAction>("N20sec1")->isChecked());
    QCOMPARE(form->slotEdit(2)->text(), QStringLiteral("01:30:45"));
    QCOMPARE(form->slotButton(2)->text(), QStringLiteral("Bread"));
    QCOMPARE(form->slotButton(5)->text(), QStringLiteral("Take the bread out of the oven"));
    QCOMPARE(form->alarm1Picker->time(), QTime(7, 30));
    QCOMPARE(form->alarm2Picker->time(), QTime(22, 15));
    QCOMPARE(form->alarm1AmPm->caption(), QStringLiteral("AM"));
    QCOMPARE(form->alarm2AmPm->caption(), QStringLiteral("PM"));
    QCOMPARE(form->part<SettingsFile>().optionFlags(), QStringLiteral("101130053extra chars"));
    QCOMPARE(desktop->pointer, form->quitButton->mapToGlobal(QPoint(24, 11)) + QPoint(30, 0));

    // The alarm half and Start ON.
    form->closeNoSaveItem->trigger();
    QList<QByteArray> lines = fullFile();
    lines[0] = "111111100";
    write("prefs.qbx", joined(lines));
    start();
    QCOMPARE(form->width(), 596);
    QVERIFY(form->alarmClockItem->isChecked());
    QVERIFY(form->startOnBox->isChecked());
    QCOMPARE(form->alarm1OnOff->text(), QStringLiteral("ON"));
    QCOMPARE(form->alarm2OnOff->text(), QStringLiteral("ON"));
    QCOMPARE(form->alarm1OnOffPanel->color(), clr::TitleStrip);
    QCOMPARE(form->alarm2OnOffPanel->color(), clr::TitleStrip);
    QVERIFY(form->snooze1Min->isChecked());
    // The pointer's last place is the Quit button, after the alarm half opened.
    QCOMPARE(desktop->pointer, form->quitButton->mapToGlobal(QPoint(24, 11)) + QPoint(30, 0));
}

void SettingsTest::damagedFieldsKeepStartValues() {
    QList<QByteArray> lines = fullFile();
    lines[0] = "11012001x";
    lines[11] = "half past seven";
    write("prefs.qbx", joined(lines));
    write("pprefs.qbx", joined({"60", "90", "ten", "59", "", "360", "420", "480"}));
    start();
    QVERIFY(!form->State.FirstActivation);
    // Everything after the damaged fields is still applied.
    QCOMPARE(form->slotButton(1)->text(), QStringLiteral("Tea"));
    QCOMPARE(form->alarm1Picker->time(), QTime(12, 0));
    QCOMPARE(form->alarm2Picker->time(), QTime(22, 15));
    QCOMPARE(form->alarm2AmPm->caption(), QStringLiteral("PM"));
    const QStringList captions{"1", "1", "3", "0", "5", "6", "7", "8", "9", "10", "15", "20"};
    for (int n = 23; n <= 34; ++n)
        QCOMPARE(form->slotButton(n)->text(), captions[n - 23]);
    quit();
    // The damaged text goes back as it came.
    QList<QByteArray> written = lines;
    written[0] = "11012001x";
    QCOMPARE(read("prefs.qbx"), joined(written));
}

void SettingsTest::shortFileGrowsToHoldEverySlot() {
    write("prefs.qbx", joined({"110120010", "00:05:00Tea"}, "\r\n", false));
    start();
    QTest::mousePress(form->slotEdit(4), Qt::RightButton, {}, QPoint(5, 5));
    form->control<QAction>("N09")->trigger();
    quit();
    const QByteArray written = read("prefs.qbx");
    QVERIFY(written.startsWith("110120010\r\n00:05:00Tea\r\n00:00:00Message\r\n"));
    QVERIFY(written.contains("\r\n00:00:09Message\r\n"));
    QVERIFY(written.endsWith("\r\nAM\r\nAM"));
}

void SettingsTest::alarmQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("alarm1");
    QTest::addColumn<QByteArray>("indicator");
    QTest::newRow("Yes stores the new time")
        << int(Answer::Yes) << QByteArray("6:45:00 AM") << QByteArray("PM");
    QTest::newRow("No keeps the old one")
        << int(Answer::No) << QByteArray("7:30:00 AM") << QByteArray("AM");
}

void SettingsTest::alarmQuestion() {
    QFETCH(int, answer);
    QFETCH(QByteArray, alarm1);
    QFETCH(QByteArray, indicator);
    write("prefs.qbx", joined(fullFile()));
    start();
    form->alarm1Picker->setTime(QTime(6, 45));
    QTest::mouseClick(form->alarm1AmPm, Qt::LeftButton);
    QCOMPARE(form->alarm1AmPm->caption(), QStringLiteral("PM"));
    QVERIFY(form->part<AlarmPanel>().timeChanged());
    desktop->answers = {Answer(answer)};
    QSignalSpy closed(form.get(), &MainWindow::closed);
    quit();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(desktop->asked.size(), 1);
    QCOMPARE(desktop->asked[0].kind, platform::Questions::Kind::Confirmation);
    QCOMPARE(desktop->asked[0].title, QStringLiteral("Confirm"));
    QCOMPARE(desktop->asked[0].text, QStringLiteral("Alarm time changed, save new time?"));
    QCOMPARE(desktop->asked[0].pointer, platform::Questions::Button::No);
    QVERIFY(!form->part<AlarmPanel>().timeChanged());
    QList<QByteArray> written = fullFile();
    written[11] = alarm1;
    written[13] = indicator;
    QCOMPARE(read("prefs.qbx"), joined(written));
}

void SettingsTest::alarmOptionsSurviveRestart() {
    start();
    form->openAlarmHalfButton->click();
    form->alarm1RecurBox->click();
    form->startOnBox->click();
    form->snooze20Min->click();
    // The user sets alarm 2 to 7:05 and PM.
    form->alarm2Picker->setFocus();
    form->alarm2Picker->setSelectedSection(QDateTimeEdit::HourSection);
    QTest::keyClicks(form->alarm2Picker, QStringLiteral("7"));
    form->alarm2Picker->setSelectedSection(QDateTimeEdit::MinuteSection);
    QTest::keyClicks(form->alarm2Picker, QStringLiteral("05"));
    QTest::mouseClick(form->alarm2AmPm, Qt::LeftButton);
    QVERIFY(form->part<AlarmPanel>().timeChanged());
    desktop->answers = {Answer::Yes};
    quit();
    start();
    QCOMPARE(form->width(), 596);
    QVERIFY(!form->alarm1RecurBox->isChecked());
    QVERIFY(form->startOnBox->isChecked());
    QCOMPARE(form->alarm1OnOff->text(), QStringLiteral("ON"));
    QVERIFY(form->snooze20Min->isChecked());
    // What the minute match reads; the picker's own AM/PM stays hidden.
    QCOMPARE(timeToStr(form->alarm2Picker->time()).left(4), QStringLiteral("7:05"));
    QCOMPARE(form->alarm2AmPm->caption(), QStringLiteral("PM"));
}

void SettingsTest::noQuestionWithoutChange() {
    write("prefs.qbx", joined(fullFile()));
    start();
    // Copies between the alarms are no change of an alarm time.
    form->copyAlarm1Button->click();
    form->copyAlarm2Button->click();
    quit();
    QVERIFY(desktop->asked.isEmpty());
    QCOMPARE(read("prefs.qbx"), joined(fullFile()));
}

void SettingsTest::failedSaveAsks_data() {
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("full disk, No") << true << int(Answer::No) << false;
    QTest::newRow("full disk, Yes") << true << int(Answer::Yes) << true;
    QTest::newRow("full disk, box closed") << true << int(Answer::Closed) << false;
    QTest::newRow("folder gone, No") << false << int(Answer::No) << false;
}

void SettingsTest::failedSaveAsks() {
    QFETCH(bool, fullDisk);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    write("prefs.qbx", joined(fullFile()));
    start();
    // The folder renamed under the running program: it is not followed.
    const QString moved = folder->path() + QStringLiteral("-moved");
    if (fullDisk)
        desktop->bytesFree = 20;
    else
        QVERIFY(QDir().rename(folder->path(), moved));
    form->recurBox->click();
    QTest::mouseClick(form->alarm1AmPm, Qt::LeftButton);
    // Quit hides the window for its own question first.
    QTest::mouseClick(form->slotButton(23), Qt::LeftButton);
    desktop->answers = {Answer::Yes, Answer::Yes, Answer(answer)};
    QSignalSpy closed(form.get(), &MainWindow::closed);
    quit();
    if (!fullDisk)
        QVERIFY(QDir().rename(moved, folder->path()));

    QCOMPARE(desktop->asked.size(), 3);
    QCOMPARE(desktop->asked[2].kind, platform::Questions::Kind::Warning);
    QCOMPARE(desktop->asked[2].text, QStringLiteral("Settings could not be saved. Quit anyway?"));
    QCOMPARE(desktop->asked[2].pointer, platform::Questions::Button::Yes);
    QCOMPARE(read("prefs.qbx"), joined(fullFile()));
    QCOMPARE(closed.count(), closes ? 1 : 0);
    if (closes)
        return;
    // Everything as it was: the window back, the timer running, the alarm
    // still to be asked about, and a save once there is room again.
    QVERIFY(form->isVisible());
    QCOMPARE(form->timersModel().stateOf(23), Timers::State::Running);
    QVERIFY(form->part<AlarmPanel>().timeChanged());
    desktop->bytesFree = -1;
    desktop->answers = {Answer::Yes, Answer::No};
    quit();
    QCOMPARE(closed.count(), 1);
    QVERIFY(read("prefs.qbx").startsWith("111130053extra chars\r\n"));
}

void SettingsTest::closeBeforeActivationWritesNothing() {
    write("prefs.qbx", joined(fullFile()));
    form = std::make_unique<Form>(desktop->interfaces());
    form->realSettings = true;
    QVERIFY(form->close());
    QCOMPARE(read("prefs.qbx"), joined(fullFile()));
    // Nor does the desktop's end, a signal or a lost display.
    form.reset();
    form = std::make_unique<Form>(desktop->interfaces());
    form->realSettings = true;
    desktop->saveListener();
    desktop->endListener();
    QCOMPARE(read("prefs.qbx"), joined(fullFile()));
}

void SettingsTest::desktopEndSavesWithoutAsking_data() {
    QTest::addColumn<bool>("ends");
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("a signal to end") << true << false;
    QTest::newRow("a signal to end, disk full") << true << true;
    QTest::newRow("the session logs out") << false << false;
}

void SettingsTest::desktopEndSavesWithoutAsking() {
    QFETCH(bool, ends);
    QFETCH(bool, fullDisk);
    write("prefs.qbx", joined(fullFile()));
    start();
    form->recurBox->click();
    QTest::mouseClick(form->alarm1AmPm, Qt::LeftButton);
    QTest::mouseClick(form->slotButton(23), Qt::LeftButton);
    if (fullDisk)
        desktop->bytesFree = 0;
    QSignalSpy closed(form.get(), &MainWindow::closed);
    (ends ? desktop->endListener : desktop->saveListener)();
    QVERIFY(desktop->asked.isEmpty());
    QCOMPARE(closed.count(), ends ? 1 : 0);
    QList<QByteArray> written = fullFile();
    if (!fullDisk) {
        written[0] = "111130053extra chars";
        written[13] = "PM";
    }
    QCOMPARE(read("prefs.qbx"), joined(written));
}

void SettingsTest::messageNeverBreaksItsLine() {
    QList<QByteArray> lines = fullFile();
    lines[3] = "00:00:05Egg\xE2\x80\xA8timer";
    write("prefs.qbx", joined(lines));
    start();
    QCOMPARE(form->slotButton(3)->text(), QStringLiteral("Egg timer"));
    // A message pasted with its line breaks.
    QTest::mousePress(form->slotButton(1), Qt::RightButton, {}, QPoint(5, 5));
    form->editMessageItem->trigger();
    QGuiApplication::clipboard()->setText(QStringLiteral("Coffee\r\nbreak\n"));
    form->messageEdit->selectAll();
    QTest::keySequence(form->messageEdit, QKeySequence::Paste);
    QTest::keyClick(form->messageEdit, Qt::Key_Return);
    quit();
    start();
    QCOMPARE(form->slotButton(1)->text(), QStringLiteral("Coffee break "));
    QCOMPARE(form->alarm1Picker->time(), QTime(7, 30));
    quit();
    lines[1] = "00:10:00Coffee break ";
    lines[3] = "00:00:05Egg timer";
    QCOMPARE(read("prefs.qbx"), joined(lines));
}

void SettingsTest::unreadablePrefsIsNeverOverwritten_data() {
    QTest::addColumn<bool>("folder");
    QTest::newRow("a folder") << true;
    QTest::newRow("4 GB, read no further") << false;
}

void SettingsTest::unreadablePrefsIsNeverOverwritten() {
    QFETCH(bool, folder);
    const qint64 huge = qint64(4) << 30;
    if (folder) {
        QVERIFY(QDir(this->folder->path()).mkdir("prefs.qbx"));
    } else {
        QFile file(path("prefs.qbx"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(huge));
    }
    start();
    QCOMPARE(form->slotButton(1)->text(), QStringLiteral("Message"));
    QVERIFY(form->soundBox->isChecked());
    QTRY_COMPARE(desktop->told.size(), 1);
    QSignalSpy closed(form.get(), &MainWindow::closed);
    quit();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(QFileInfo(path("prefs.qbx")).isDir(), folder);
    if (!folder)
        QCOMPARE(QFileInfo(path("prefs.qbx")).size(), huge);
    // The user was told once, at start, and where the file is.
    QCOMPARE(desktop->told.size(), 1);
    QVERIFY(desktop->told[0].contains(QStringLiteral("could not be read")));
    QVERIFY(desktop->told[0].endsWith(path("prefs.qbx")));
}

// A file the reader just takes is never written back larger than it takes:
// here each of its line ends would grow by a byte.
void SettingsTest::fileAtTheLimitNeverGrowsPastIt() {
    QByteArray stored = joined(fullFile(), "\n");
    const QByteArray filler(1023, 'x');
    while (stored.size() + filler.size() + 1 <= kLargestFile)
        stored += filler + '\n';
    stored += QByteArray(kLargestFile - stored.size(), 'y');
    QCOMPARE(stored.size(), kLargestFile);
    write("prefs.qbx", stored);
    start();
    QCOMPARE(form->slotButton(2)->text(), QStringLiteral("Bread"));
    desktop->answers = {Answer::Yes};
    quit();
    QCOMPARE(desktop->asked.size(), 1);
    QCOMPARE(desktop->asked[0].text, QStringLiteral("Settings could not be saved. Quit anyway?"));
    QVERIFY(read("prefs.qbx") == stored);
}

void SettingsTest::endFromSystemUnderAQuestion_data() {
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("the alarm question") << false;
    QTest::newRow("the failed save's question") << true;
}

// A signal to end while a question of the close is open ends the program
// with the save it owes, the alarm question answered as its default does.
void SettingsTest::endFromSystemUnderAQuestion() {
    QFETCH(bool, diskFull);
    write("prefs.qbx", joined(fullFile()));
    start();
    form->recurBox->click();
    QTest::mouseClick(form->alarm1AmPm, Qt::LeftButton);
    if (diskFull)
        desktop->bytesFree = 0;
    desktop->answers = {Answer::Yes};
    desktop->whileAsking = [this, diskFull] {
        if (desktop->asked.size() == (diskFull ? 2 : 1)) {
            desktop->bytesFree = -1;
            desktop->endFromSystem();
            desktop->endFromSystem();
        }
    };
    QSignalSpy closed(form.get(), &MainWindow::closed);
    quit();
    QCOMPARE(closed.count(), 1);
    QList<QByteArray> written = fullFile();
    written[0] = "111130053extra chars";
    written[13] = "PM";
    QCOMPARE(read("prefs.qbx"), joined(written));
}

void SettingsTest::closeNoSaveWritesNothing() {
    write("prefs.qbx", joined(fullFile()));
    start();
    form->soundBox->click();
    form->closeNoSaveItem->trigger();
    QCOMPARE(read("prefs.qbx"), joined(fullFile()));
}

void SettingsTest::encodings_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("Windows-1252") << QByteArray("Caf\xE9 \x80") << QString::fromUtf8("Café €")
                                  << "!" << QByteArray("Caf\xE9 \x80!");
    QTest::newRow("UTF-8") << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC") << QString::fromUtf8("Café €")
                           << "!" << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC!");
    // Letters the code page lacks: the file goes to UTF-8 and keeps them.
    QTest::newRow("Windows-1252, then Polish")
        << QByteArray("Caf\xE9") << QString::fromUtf8("Café") << QString::fromUtf8(" w Łodzi")
        << QByteArray("Caf\xC3\xA9 w \xC5\x81odzi");
}

void SettingsTest::encodings() {
    QFETCH(QByteArray, message);
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    QFETCH(QByteArray, written);
    QList<QByteArray> lines = fullFile();
    lines[2] = "00:01:00" + message;
    write("prefs.qbx", joined(lines));
    start();
    QCOMPARE(form->slotButton(2)->text(), caption);
    // A new message goes into the file in the file's own encoding.
    QTest::mousePress(form->slotButton(2), Qt::RightButton, {}, QPoint(5, 5));
    form->editMessageItem->trigger();
    form->messageEdit->setText(caption + typed);
    form->editorOkButton->click();
    quit();
    lines[2] = "00:01:00" + written;
    QCOMPARE(read("prefs.qbx"), joined(lines));
    start();
    QCOMPARE(form->slotButton(2)->text(), caption + typed);
}

void SettingsTest::quickCaptionsAndLengths() {
    const QString presets = QString::fromLatin1(joined({"90", "59", "0", "x"}));
    write("pprefs.qbx", QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)
                            .encode(presets));
    start();
    QCOMPARE(form->slotButton(23)->text(), QStringLiteral("1"));
    QCOMPARE(form->slotButton(24)->text(), QStringLiteral("0"));
    QCOMPARE(form->slotButton(25)->text(), QStringLiteral("0"));
    QCOMPARE(form->slotButton(26)->text(), QStringLiteral("4"));
    // Missing lines read as empty: damaged, so the standard caption stays.
    QCOMPARE(form->slotButton(34)->text(), QStringLiteral("20"));

    const int expected[] = {90, 59, 0, 240, 300};
    for (int n = 23; n <= 27; ++n) {
        QTest::mouseClick(form->slotButton(n), Qt::LeftButton);
        QCOMPARE(form->timersModel().secondsLeft(n), expected[n - 23]);
    }
}

void SettingsTest::quickTimerRuns() {
    write("pprefs.qbx", joined({"90", "0", "-2147483648"}));
    start();
    // Any length of 0 or less rings at the first tick.
    QTest::mouseClick(form->slotButton(24), Qt::LeftButton);
    QTest::mouseClick(form->slotButton(25), Qt::LeftButton);
    form->tick();
    QCOMPARE(form->timersModel().stateOf(24), Timers::State::Ringing);
    QCOMPARE(form->timersModel().stateOf(25), Timers::State::Ringing);
    QTest::mouseClick(form->slotButton(25), Qt::LeftButton);

    QTest::mouseClick(form->slotButton(23), Qt::LeftButton);
    QCOMPARE(form->timersModel().stateOf(23), Timers::State::Running);
    QCOMPARE(form->slotPanel(23)->color(), clr::Red);
    QCOMPARE(form->slotButton(23)->fontColor(), clr::White);
    QVERIFY(form->trayIcon->animated());
    form->tick(89);
    QCOMPARE(form->timersModel().stateOf(23), Timers::State::Running);
    form->tick();
    QCOMPARE(form->timersModel().stateOf(23), Timers::State::Ringing);
    QCOMPARE(desktop->pointer, form->pos() + QPoint(210, 190));

    // Clicking one ringing quick timer leaves the other's alert going.
    QTest::mouseClick(form->slotButton(24), Qt::LeftButton);
    QCOMPARE(form->part<AlertFlasher>().beating(), true);
    QTest::mouseClick(form->slotButton(23), Qt::LeftButton);
    QCOMPARE(form->part<AlertFlasher>().beating(), false);
    QCOMPARE(form->slotPanel(23)->color(), clr::Background);
    QCOMPARE(form->slotButton(23)->fontColor(), clr::Navy);
}

void SettingsTest::quickTimerClickStops() {
    start();
    form->minimizeOnTimerItem->trigger();
    QTest::mouseClick(form->slotButton(30), Qt::LeftButton);
    QVERIFY(form->isHidden());
    QCOMPARE(form->timersModel().secondsLeft(30), 480);
    form->show();
    form->tick(3);
    QTest::mouseClick(form->slotButton(30), Qt::LeftButton);
    QCOMPARE(form->timersModel().stateOf(30), Timers::State::Idle);
    QCOMPARE(form->timersModel().secondsLeft(30), 0);
    QCOMPARE(form->part<AlertFlasher>().beating(), false);
    QVERIFY(form->isVisible());
}

void SettingsTest::remainingTimePopup() {
    start();
    QTest::mousePress(form->slotButton(25), Qt::RightButton);
    QVERIFY(form->timeLeftPopup->isVisible());
    QCOMPARE(form->timeLeftPopup->caption(), QStringLiteral("0:0"));
    QCOMPARE(form->timeLeftPopup->pos(), QPoint(50, 176));
    QCOMPARE(form->timersModel().stateOf(25), Timers::State::Idle);

    form->settings().presets().setLine(11, QStringLiteral("126"));
    QTest::mouseClick(form->slotButton(34), Qt::LeftButton);
    form->tick();
    // A second press moves the popup and renews its text, not its time.
    QTest::mousePress(form->slotButton(34), Qt::RightButton);
    QCOMPARE(form->timeLeftPopup->caption(), QStringLiteral("2:5"));
    QCOMPARE(form->timeLeftPopup->pos(), QPoint(266, 176));
    form->tick();
    QVERIFY(!form->timeLeftPopup->isVisible());

    form->settings().presets().setLine(11, QStringLiteral("600"));
    QTest::mouseClick(form->slotButton(34), Qt::LeftButton);
    QTest::mouseClick(form->slotButton(34), Qt::LeftButton);
    QTest::mousePress(form->slotButton(34), Qt::LeftButton);
    QVERIFY(!form->timeLeftPopup->isVisible());
    QTest::mousePress(form->slotButton(34), Qt::RightButton);
    QCOMPARE(form->timeLeftPopup->caption(), QStringLiteral("10:0"));
    // Opening the message editor hides it at once.
    QTest::mousePress(form->slotButton(1), Qt::RightButton);
    form->editMessageItem->trigger();
    QVERIFY(!form->timeLeftPopup->isVisible());
}

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"

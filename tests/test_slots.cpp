// SPDX-License-Identifier: GPL-3.0-or-later
// The slots on the window: starting, counting down, running out, the alert,
// acknowledging, the message editor and the seconds menu.
#include "FormFixture.h"
#include "alerts/AlertTuner.h"
#include "cli/StateText.h"
#include "core/Colors.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QScopeGuard>
#include <QSlider>
#include <QStyleOptionComboBox>
#include <QToolTip>
#include <QTranslator>
#include <QtTest>
#include <memory>

using Kind = QDateTimeEdit::Section;

namespace {

// A catalogue of a few words of the user's language.
class FewWords : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        static const QHash<QString, QString> words = {
            {QStringLiteral("MainWindow|Message"), QStringLiteral("Nachricht")},
            {QStringLiteral("MainWindow|Quit"), QStringLiteral("Beenden")},
            {QStringLiteral("MainWindow|Seconds %1+"), QStringLiteral("Sekunden %1+")},
            {QStringLiteral("ScreenReader|Timer %1: %2, %3"), QStringLiteral("Wecker %1: %2, %3")},
        };
        return words.value(QLatin1String(context) + u'|' + QLatin1String(source));
    }
};

} // namespace

class SlotsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void stateThroughStartExpiryAndClick();
    void lastMinuteInTheTray_data();
    void lastMinuteInTheTray();
    void expiryBringsWindowBack_data();
    void expiryBringsWindowBack();
    void twoSlotsExpireInOneTick();
    void expiryClosesEditor();
    void trayAnimationFollowsRunningSlots();
    void slotWithoutTimeNeverStarts_data();
    void slotWithoutTimeNeverStarts();
    void minimizeOnTimer();
    void busySlotOffersNoMenus();
    void editorRoundTrip();
    void editorClearThenOk();
    void editorKeepsLongMessage();
    void editorEnterStores();
    void editorPickerTyping();
    void editorTypedThrough_data();
    void editorTypedThrough();
    void editorPickerTypingAfterOneClick();
    void editorLeavesKeyboardOnSlots_data();
    void editorLeavesKeyboardOnSlots();
    void captionMargin_data();
    void captionMargin();
    void secondsMenu();
    void userLanguageLeavesFilesEnglish();
    void clockBoxIsNoSlot();
    void alertFlashAndSound_data();
    void alertFlashAndSound();
    void tunedStandardSound_data();
    void tunedStandardSound();
    void enterAcknowledgesEveryRingingSlot();
    void enterAtTheRingAcknowledges();
    void pinnedWindowStaysOnTop();
    void clickOnRingingSlotWhileAnotherRings();
    void soundBoxStopsAlertOnly();
    void alertOptionsFromTheKeyboard();
    void quickTimerExpiry();
    void remainingPopupLivesOneTick();
    void trayClickBringsWindowBack_data();
    void trayClickBringsWindowBack();
    void stoppedInLastMinuteShowsClock();
    void trayTipAndMenu();
    void ringsAtItsMoment_data();
    void ringsAtItsMoment();
    void stallIsMadeUp();
    void wakeCatchesUpAtOnce();
    void noWakeIsSaidOnce();
    void desktopHearsOfAlerts();
    void commandLine();
    void commandSetsTimersAndAlarms_data();
    void commandSetsTimersAndAlarms();
    void busCalls_data();
    void busCalls();
    void stateForScripts();
    void tunedAlertThroughItsLife();
    void notificationActions_data();
    void notificationActions();
    void notificationClickShowsTheWindow();
    void desktopShortcuts_data();
    void desktopShortcuts();

private:
    std::unique_ptr<platform::FakePlatform> desktop;
    std::unique_ptr<Form> form;

    // As a settings file would hold it.
    void setSlot(int n, const QString& time, const QString& message) {
        form->settings().prefs().setLine(n, time + message);
        form->timersModel().readSaved();
    }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }
    void pressEnter() {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : form.get(), Qt::Key_Return);
    }
    void ring(int n) {
        if (n <= 10)
            setSlot(n, QStringLiteral("00:00:00"), QStringLiteral("x"));
        form->timersModel().expire(n);
    }
    void openEditor(int n) {
        QTest::mousePress(form->slotButton(n), Qt::RightButton, {}, QPoint(5, 5));
        form->editMessageItem->trigger();
    }
    Timers::State stateOf(int n) { return form->timersModel().stateOf(n); }
};

void SlotsTest::init() {
    desktop = std::make_unique<platform::FakePlatform>();
    desktop->executableFolder = QStringLiteral("/usr/bin");
    form = std::make_unique<Form>(desktop->interfaces());
    form->showCentred();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void SlotsTest::cleanup() {
    form.reset();
    desktop.reset();
}

void SlotsTest::stateThroughStartExpiryAndClick() {
    setSlot(4, QStringLiteral("00:00:02"), QStringLiteral("Tea"));
    click(form->slotButton(4));
    QCOMPARE(stateOf(4), Timers::State::Running);
    QCOMPARE(form->slotEdit(4)->color(), clr::Red);
    QVERIFY(form->trayIcon->animated());

    form->tick(2);
    QCOMPARE(form->slotEdit(4)->text(), QStringLiteral("00:00:00"));
    QCOMPARE(form->slotPanel(4)->color(), clr::Red);
    QCOMPARE(stateOf(4), Timers::State::Running);
    form->tick();
    QCOMPARE(stateOf(4), Timers::State::Ringing);
    QCOMPARE(form->part<AlertFlasher>().beating(), true);

    click(form->slotButton(4));
    QCOMPARE(stateOf(4), Timers::State::Idle);
    QCOMPARE(form->slotEdit(4)->text(), QStringLiteral("00:00:02"));
    QCOMPARE(form->slotEdit(4)->color(), clr::Blue);
    QCOMPARE(form->slotPanel(4)->color(), clr::Background);
    QCOMPARE(form->part<AlertFlasher>().beating(), false);

    // A click on a running slot stops it and puts its set time back.
    click(form->slotButton(4));
    form->tick();
    QCOMPARE(form->slotEdit(4)->text(), QStringLiteral("00:00:01"));
    click(form->slotButton(4));
    QCOMPARE(stateOf(4), Timers::State::Idle);
    QCOMPARE(form->slotEdit(4)->text(), QStringLiteral("00:00:02"));
}

void SlotsTest::lastMinuteInTheTray_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("fixed");

    QTest::newRow("59: still the clock") << 1 << "00:00:59"
                                         << "" << false;
    QTest::newRow("58: 60") << 2 << "00:00:58"
                            << "M1" << true;
    QTest::newRow("50: 50") << 10 << "00:00:50"
                            << "M2" << true;
    QTest::newRow("30: 30") << 30 << "00:00:30"
                            << "M4" << true;
    QTest::newRow("10: red 10") << 50 << "00:00:10"
                                << "M6" << true;
    QTest::newRow("1: red 10") << 59 << "00:00:01"
                               << "M6" << true;
    QTest::newRow("0: the clock again") << 60 << "00:00:00"
                                        << "M7" << false;
}

void SlotsTest::lastMinuteInTheTray() {
    QFETCH(int, ticks);
    QFETCH(QString, shown);
    QFETCH(QString, icon);
    QFETCH(bool, fixed);

    setSlot(2, QStringLiteral("00:01:00"), QStringLiteral("Eggs"));
    click(form->slotButton(2));
    form->tick(ticks);
    QCOMPARE(form->slotEdit(2)->text(), shown);
    QCOMPARE(trayColourShown(*desktop), icon);
    QCOMPARE(form->part<TrayPresence>().numberShown(), fixed);
    // A coloured number stands still; the clock turns again after it.
    QCOMPARE(form->trayIcon->animated(), !fixed && icon.isEmpty());
}

void SlotsTest::expiryBringsWindowBack_data() {
    QTest::addColumn<bool>("minimised");
    QTest::newRow("hidden") << false;
    QTest::newRow("minimised from the task bar") << true;
}

void SlotsTest::expiryBringsWindowBack() {
    QFETCH(bool, minimised);
    form->options().setRecur(false);
    setSlot(7, QStringLiteral("00:00:01"), QStringLiteral("Call"));
    click(form->slotButton(7));
    if (minimised)
        form->showMinimized();
    else
        form->hideButton->click();
    form->tick(2);
    QVERIFY(form->isVisible());
    QVERIFY(!form->isMinimized());
    QVERIFY(desktop->onTop);
    QCOMPARE(desktop->pointer, form->pos() + QPoint(210, 220));
    // The tick of the expiry still counts the slot as running; the next
    // one stops the clock turning.
    QVERIFY(form->trayIcon->animated());
    form->tick();
    QVERIFY(!form->trayIcon->animated());
    // The end sound, once, with the first flash.
    form->alertTick(2);
    QCOMPARE(desktop->played, QStringList{"/usr/share/quorbel/Alarm2.wav"});
}

void SlotsTest::twoSlotsExpireInOneTick() {
    form->options().setRecur(false);
    for (int n : {3, 8}) {
        setSlot(n, QStringLiteral("00:00:01"), QStringLiteral("x"));
        click(form->slotButton(n));
    }
    form->tick(2);
    QCOMPARE(stateOf(3), Timers::State::Ringing);
    QCOMPARE(stateOf(8), Timers::State::Ringing);
    // Two at once sound the end once.
    form->alertTick(2);
    QCOMPARE(desktop->played, QStringList{"/usr/share/quorbel/Alarm2.wav"});
    QVERIFY(form->timersModel().anyRinging());
    QVERIFY(!form->timersModel().anyRunning());
}

void SlotsTest::expiryClosesEditor() {
    setSlot(5, QStringLiteral("00:00:01"), QStringLiteral("x"));
    click(form->slotButton(5));
    openEditor(2);
    QVERIFY(form->editorPanel->isVisible());
    form->messageEdit->setText(QStringLiteral("never stored"));
    form->hideButton->click();
    // Reopen the editor and hide the window: the expiry must close the
    // editor whether or not the window shows.
    form->show();
    openEditor(2);
    form->hide();

    form->tick(2);
    QVERIFY(!form->editorPanel->isVisible());
    for (const char* name : {"Panel1", "Panel10", "Panel23", "Panel34", "Panel11", "Panel20",
                             "Panel21", "CheckBox1", "CheckBox2"})
        QVERIFY2(form->control<QWidget>(name)->isVisible(), name);
    QVERIFY(!form->control<QWidget>("Panel36")->isVisible());
    QCOMPARE(form->settings().prefs().line(2), QStringLiteral("00:00:00Message"));
}

void SlotsTest::trayAnimationFollowsRunningSlots() {
    QVERIFY(!form->trayIcon->animated());
    setSlot(9, QStringLiteral("01:00:00"), QStringLiteral("x"));
    form->timersModel().toggle(9);
    form->tick();
    QVERIFY(form->trayIcon->animated());
    // A coloured number on show keeps the animation off.
    form->part<TrayPresence>().showNumber(QStringLiteral("M3"));
    form->tick();
    QVERIFY(!form->trayIcon->animated());
    form->timersModel().toggle(9);
    form->trayIcon->setAnimated(true);
    form->tick();
    QVERIFY(!form->trayIcon->animated());
}

void SlotsTest::slotWithoutTimeNeverStarts_data() {
    QTest::addColumn<QString>("time");
    QTest::newRow("zero") << "00:00:00";
    QTest::newRow("empty") << "";
    QTest::newRow("damaged") << "1:3O:00";
    QTest::newRow("negative") << "-1:00:00";
}

void SlotsTest::slotWithoutTimeNeverStarts() {
    QFETCH(QString, time);
    setSlot(1, time, {});
    desktop->onTop = true;
    click(form->slotButton(1));
    QCOMPARE(stateOf(1), Timers::State::Idle);
    QVERIFY(!form->trayIcon->animated());
    // The click still takes the window off the top when the pin is up.
    QVERIFY(!desktop->onTop);
    form->tick(3);
    QCOMPARE(form->slotEdit(1)->text(), time);
}

void SlotsTest::minimizeOnTimer() {
    form->minimizeOnTimerItem->trigger();
    setSlot(6, QStringLiteral("00:05:00"), QStringLiteral("x"));
    click(form->slotButton(6));
    QVERIFY(form->isHidden());
    form->show();
    click(form->slotButton(6));
    QCOMPARE(stateOf(6), Timers::State::Idle);
    QVERIFY(form->isVisible());
}

void SlotsTest::busySlotOffersNoMenus() {
    setSlot(3, QStringLiteral("00:05:00"), QStringLiteral("x"));
    QTest::mousePress(form->slotEdit(3), Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(form->secondsMenu->autoPopup());
    QCOMPARE(form->rows().pressedSlot(), 3);
    QVERIFY(form->control<QWidget>("Panel1")->hasFocus());
    QTest::mousePress(form->slotButton(3), Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(form->slotMenu->autoPopup());

    click(form->slotButton(3));
    QTest::mousePress(form->slotEdit(3), Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(!form->secondsMenu->autoPopup());
    QTest::mousePress(form->slotButton(3), Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(!form->slotMenu->autoPopup());

    QTest::mousePress(form->slotEdit(5), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(form->rows().pressedSlot(), 5);
}

void SlotsTest::editorRoundTrip() {
    setSlot(1, QStringLiteral("01:30:45"), QStringLiteral("Tea"));
    openEditor(1);
    QVERIFY(form->editorPanel->isVisible());
    QCOMPARE(form->editorPanel->y(), 72);
    QVERIFY(!form->control<QWidget>("Panel1")->isVisible());
    QVERIFY(!form->soundBox->isVisible());
    QCOMPARE(form->messageEdit->text(), QStringLiteral("Tea"));
    QCOMPARE(form->editorPicker->time(), QTime(12, 1, 30));
    QCOMPARE(form->editorPicker->text(), QStringLiteral("01:30"));

    form->editorOkButton->click();
    QVERIFY(!form->editorPanel->isVisible());
    QVERIFY(form->control<QWidget>("Panel1")->isVisible());
    QCOMPARE(form->settings().prefs().line(1), QStringLiteral("01:30:45Tea"));
    QCOMPARE(form->slotEdit(1)->text(), QStringLiteral("01:30:45"));

    // A saved line that is no time leaves the editor open with the message.
    form->settings().prefs().setLine(2, QStringLiteral("xx:yy:00Milk"));
    form->timersModel().readSaved();
    openEditor(2);
    QVERIFY(form->editorPanel->isVisible());
    QCOMPARE(form->messageEdit->text(), QStringLiteral("Milk"));
    QCOMPARE(form->editorPicker->time(), QTime(12, 1, 30));
}

void SlotsTest::editorClearThenOk() {
    setSlot(3, QStringLiteral("02:15:30"), QStringLiteral("Oven"));
    openEditor(3);
    form->editorClearButton->click();
    QVERIFY(form->editorPanel->isVisible());
    QCOMPARE(form->slotEdit(3)->text(), QStringLiteral("02:15:00"));
    QCOMPARE(form->settings().prefs().line(3), QStringLiteral("02:15:30Oven"));
    form->editorOkButton->click();
    QCOMPARE(form->settings().prefs().line(3), QStringLiteral("00:00:00Oven"));

    // "C" then a hide button: the box keeps seconds 00 until the next stop.
    setSlot(3, QStringLiteral("02:15:30"), QStringLiteral("Oven"));
    openEditor(3);
    form->editorClearButton->click();
    form->hideButton->click();
    form->show();
    QCOMPARE(form->slotEdit(3)->text(), QStringLiteral("02:15:00"));
    QCOMPARE(form->settings().prefs().line(3), QStringLiteral("02:15:30Oven"));
    click(form->slotButton(3));
    click(form->slotButton(3));
    QCOMPARE(form->slotEdit(3)->text(), QStringLiteral("02:15:30"));
}

void SlotsTest::editorKeepsLongMessage() {
    const QString message = QStringLiteral("Take the bread out of the oven, then feed the cat");
    form->settings().prefs().setLine(4, QStringLiteral("00:20:00") + message);
    form->timersModel().readSaved();
    openEditor(4);
    QCOMPARE(form->messageEdit->text(), message);
    form->editorOkButton->click();
    QCOMPARE(form->settings().prefs().line(4), QStringLiteral("00:20:00") + message);
    // The seconds menu keeps the whole message too.
    QTest::mousePress(form->slotEdit(4), Qt::RightButton, {}, QPoint(5, 5));
    form->control<QAction>("N15")->trigger();
    QCOMPARE(form->settings().prefs().line(4), QStringLiteral("00:20:15") + message);
}

void SlotsTest::editorEnterStores() {
    setSlot(6, QStringLiteral("00:10:00"), QStringLiteral("x"));
    openEditor(6);
    QCOMPARE(QApplication::focusWidget(), form->messageEdit);
    form->messageEdit->clear();
    QTest::keyClicks(form->messageEdit, QStringLiteral("Tea"));
    QTest::keyClick(form->messageEdit, Qt::Key_Return);
    QVERIFY(!form->editorPanel->isVisible());
    QCOMPARE(form->slotButton(6)->text(), QStringLiteral("Tea"));
    QCOMPARE(form->settings().prefs().line(6), QStringLiteral("00:10:00Tea"));
}

void SlotsTest::editorPickerTyping() {
    setSlot(8, QStringLiteral("00:00:30"), QStringLiteral("x"));
    openEditor(8);
    QTest::mouseClick(form->editorPicker, Qt::LeftButton, {}, QPoint(25, 12));
    form->editorPicker->setSelectedSection(Kind::MinuteSection);
    QTest::keyClicks(form->editorPicker, QStringLiteral("02"));
    form->editorPicker->setSelectedSection(Kind::SecondSection);
    QTest::keyClicks(form->editorPicker, QStringLiteral("45"));
    QCOMPARE(form->editorPicker->time(), QTime(12, 2, 45));
    // The hour stays at noon whatever is typed: 59 is the most either field takes.
    form->editorPicker->setSelectedSection(Kind::MinuteSection);
    QTest::keyClick(form->editorPicker, Qt::Key_Up);
    QCOMPARE(form->editorPicker->time().hour(), 12);
    form->editorOkButton->click();
    QCOMPARE(form->settings().prefs().line(8), QStringLiteral("03:45:30x"));
}

// Typed as a user types it: two digits fill the hours and move on to the
// minutes, where the Tab the user gives to get there stays.
void SlotsTest::editorTypedThrough_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("line");

    QTest::newRow("two digits, Tab, two digits")
        << QStringList{"Tea", "\t", "00", "\t", "03"} << "00:03:30Tea";
    QTest::newRow("one digit, Tab, one digit")
        << QStringList{"Tea", "\t", "1", "\t", "5"} << "01:05:30Tea";
    QTest::newRow("four digits straight") << QStringList{"Egg", "\t", "0207"} << "02:07:30Egg";
    QTest::newRow("two digits, Tab, Tab to C, which clears")
        << QStringList{"Tea", "\t", "00", "\t", "03", "\t", " "} << "00:00:00Tea";
    QTest::newRow("back from the minutes with Shift+Tab")
        << QStringList{"Tea", "\t", "1", "\t", "5", "\b", "2"} << "02:05:30Tea";
}

void SlotsTest::editorTypedThrough() {
    QFETCH(QStringList, typed);
    QFETCH(QString, line);
    setSlot(8, QStringLiteral("00:00:30"), QStringLiteral("x"));
    openEditor(8);
    for (const QString& keys : typed) {
        QWidget* focus = QApplication::focusWidget();
        if (keys == QLatin1String("\t"))
            QTest::keyClick(focus, Qt::Key_Tab);
        else if (keys == QLatin1String("\b"))
            QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier);
        else if (keys == QLatin1String(" "))
            QTest::keyClick(focus, Qt::Key_Space);
        else
            QTest::keyClicks(focus, keys);
    }
    if (form->editorPanel->isVisible())
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(form->settings().prefs().line(8), line);
}

void SlotsTest::editorPickerTypingAfterOneClick() {
    setSlot(8, QStringLiteral("00:00:30"), QStringLiteral("x"));
    openEditor(8);
    auto* text = form->editorPicker->findChild<QLineEdit*>();
    const auto clickInto = [&](int position) {
        text->setCursorPosition(position);
        const QRect caret = text->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QTest::mouseClick(text, Qt::LeftButton, {}, caret.center());
    };
    clickInto(1);
    QTest::keyClicks(text, QStringLiteral("5"));
    clickInto(4);
    QTest::keyClicks(text, QStringLiteral("7"));
    form->editorOkButton->click();
    QCOMPARE(form->settings().prefs().line(8), QStringLiteral("05:07:30x"));
}

void SlotsTest::editorLeavesKeyboardOnSlots_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("OK") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("another slot runs out") << 2;
}

void SlotsTest::editorLeavesKeyboardOnSlots() {
    QFETCH(int, how);
    setSlot(6, QStringLiteral("00:10:00"), QStringLiteral("Tea"));
    setSlot(7, QStringLiteral("00:10:00"), QStringLiteral("Tea"));
    QTest::mouseMove(form->slotButton(6), QPoint(5, 5));
    openEditor(6);
    // The enter that Qt hands over once the menu over the button has gone.
    QEnterEvent late(QPointF(5, 5), QPointF(5, 5), form->slotButton(6)->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(form->slotButton(6), &late);
    QCursor::setPos(form->editorOkButton->mapToGlobal(form->editorOkButton->rect().center()));
    if (how == 0)
        QTest::mouseClick(form->editorOkButton, Qt::LeftButton);
    else if (how == 1)
        QTest::keyClick(form->messageEdit, Qt::Key_Return);
    else
        ring(2);
    QVERIFY(!form->editorPanel->isVisible());
    // Arrow keys and Enter change nothing out of sight.
    pressEnter();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    pressEnter();
    QCOMPARE(QApplication::focusWidget(), form->control<QWidget>("Panel1"));
    QCOMPARE(form->alarm1Picker->time(), QTime(12, 0));
    QVERIFY(!form->part<AlarmPanel>().timeChanged());
    // The button the pointer left while the editor was open shows no hover.
    QCOMPARE(form->slotButton(6)->grab().toImage(), form->slotButton(7)->grab().toImage());
}

void SlotsTest::captionMargin_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("margin");
    QTest::newRow("12 characters, centred") << "Twelve chars" << -1;
    QTest::newRow("13 characters, from the left") << "Thirteen char" << 1;
    QTest::newRow("empty") << "" << -1;
}

void SlotsTest::captionMargin() {
    QFETCH(QString, message);
    QFETCH(int, margin);
    openEditor(9);
    form->messageEdit->setText(message);
    form->editorOkButton->click();
    QCOMPARE(form->slotButton(9)->text(), message);
    QCOMPARE(form->slotButton(9)->margin(), margin);
}

void SlotsTest::secondsMenu() {
    setSlot(2, QStringLiteral("01:30:00"), QStringLiteral("Pasta"));
    QTest::mousePress(form->slotEdit(2), Qt::RightButton, {}, QPoint(5, 5));
    form->control<QAction>("N45")->trigger();
    QCOMPARE(form->slotEdit(2)->text(), QStringLiteral("01:30:45"));
    QCOMPARE(form->settings().prefs().line(2), QStringLiteral("01:30:45Pasta"));
}

void SlotsTest::userLanguageLeavesFilesEnglish() {
    FewWords german;
    QCoreApplication::installTranslator(&german);
    QAccessible::setActive(true);
    const auto restore = qScopeGuard([&] {
        form.reset();
        QAccessible::setActive(false);
        QCoreApplication::removeTranslator(&german);
    });
    form = std::make_unique<Form>(desktop->interfaces());
    form->showCentred();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(form->quitButton->text(), QStringLiteral("Beenden"));
    QCOMPARE(form->control<QMenu>(QStringLiteral("Seconds31"))->title(),
             QStringLiteral("Sekunden 3+"));

    // A message never set shows, and is heard, in the user's language, in
    // the editor too; the file keeps the placeholder, also once the editor
    // has stored it again.
    setSlot(3, QStringLiteral("00:05:00"), QStringLiteral("Message"));
    QCOMPARE(form->slotButton(3)->text(), QStringLiteral("Nachricht"));
    openEditor(3);
    QCOMPARE(form->messageEdit->text(), QStringLiteral("Nachricht"));
    form->editorOkButton->click();
    QCOMPARE(form->settings().prefs().line(3), QStringLiteral("00:05:00Message"));
    QCOMPARE(form->slotButton(3)->text(), QStringLiteral("Nachricht"));
    QCOMPARE(form->slotButton(3)->accessibleName(),
             QStringLiteral("Wecker 3: Nachricht, 00:05:00"));
}

void SlotsTest::clockBoxIsNoSlot() {
    const QString alarmLine = form->settings().prefs().line(12);
    const QString clock = form->clockBox->text();
    setSlot(5, QStringLiteral("00:07:30"), QStringLiteral("Tea"));
    QTest::mousePress(form->slotEdit(5), Qt::RightButton, {}, QPoint(5, 5));
    QTest::mousePress(form->clockBox, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(form->rows().pressedSlot(), 0);
    form->control<QAction>("N45")->trigger();
    QCOMPARE(form->clockBox->text(), clock);
    QCOMPARE(form->settings().prefs().line(12), alarmLine);
    QCOMPARE(form->settings().prefs().line(5), QStringLiteral("00:07:30Tea"));

    // With the editor open, "OK" and "C" still act on the edited slot.
    setSlot(5, QStringLiteral("00:07:30"), QStringLiteral("Tea"));
    openEditor(5);
    QTest::mousePress(form->clockBox, Qt::LeftButton, {}, QPoint(5, 5));
    form->editorClearButton->click();
    form->editorOkButton->click();
    QCOMPARE(form->settings().prefs().line(5), QStringLiteral("00:00:00Tea"));
    QCOMPARE(form->settings().prefs().line(12), alarmLine);
}

void SlotsTest::alertFlashAndSound_data() {
    QTest::addColumn<bool>("sound");
    QTest::addColumn<bool>("recur");
    // The second timer rings that long after the first.
    QTest::addColumn<int>("apartMs");
    QTest::addColumn<QStringList>("played");

    // As the player opens them: an installed copy's own.
    const QString repeat = QStringLiteral("/usr/share/quorbel/Alarm1.wav");
    const QString end = QStringLiteral("/usr/share/quorbel/Alarm2.wav");
    QTest::newRow("Sound and Recur") << true << true << 0 << QStringList{repeat, repeat, repeat};
    QTest::newRow("Sound only") << true << false << 0 << QStringList{end};
    // A ring while the beat sounds for another sounds at once.
    QTest::newRow("Sound only, rings apart") << true << false << 400 << QStringList{end, end};
    QTest::newRow("Recur, rings apart")
        << true << true << 400 << QStringList{repeat, repeat, repeat, repeat};
    QTest::newRow("silent") << false << true << 400 << QStringList{};
}

void SlotsTest::alertFlashAndSound() {
    QFETCH(bool, sound);
    QFETCH(bool, recur);
    QFETCH(int, apartMs);
    QFETCH(QStringList, played);
    form->options().setSound(sound);
    form->options().setRecur(recur);
    ring(1);
    // The first beat comes with the ring: blue with yellow text, and a
    // timer ringing meanwhile shows the same at once.
    QCOMPARE(form->slotPanel(1)->color(), clr::Blue);
    QCOMPARE(form->slotEdit(1)->color(), clr::Blue);
    QCOMPARE(form->slotButton(1)->fontColor(), clr::Yellow);
    QVERIFY(form->part<AlertFlasher>().flashed());
    form->passTime(apartMs);
    ring(30);
    QCOMPARE(form->slotPanel(30)->color(), clr::Blue);
    QCOMPARE(form->slotButton(30)->fontColor(), clr::Yellow);
    QCOMPARE(form->slotPanel(2)->color(), clr::Background);

    form->alertTick();
    QCOMPARE(form->slotPanel(1)->color(), clr::Red);
    QCOMPARE(form->slotButton(1)->fontColor(), clr::Navy);
    QCOMPARE(form->slotPanel(30)->color(), clr::Red);
    form->alertTick();
    QCOMPARE(form->slotPanel(1)->color(), clr::Blue);

    QCOMPARE(desktop->played, played);
}

void SlotsTest::tunedStandardSound_data() {
    QTest::addColumn<bool>("recur");
    QTest::addColumn<int>("volume");
    QTest::addColumn<bool>("soft");
    // Whether the tone player can read the file.
    QTest::addColumn<bool>("readable");
    // The desktop's player, and the tones: path, volume, rise, risen so far.
    QTest::addColumn<QStringList>("played");
    QTest::addColumn<QStringList>("tones");

    // As the player opens them: an installed copy's own.
    const QString repeat = QStringLiteral("/usr/share/quorbel/Alarm1.wav");
    const QString end = QStringLiteral("/usr/share/quorbel/Alarm2.wav");
    // Its rise goes on across the restarts from the moment the alert began.
    QTest::newRow("Recur at 20 %, softly")
        << true << 20 << true << true << QStringList{}
        << QStringList{repeat + " 20 15000 0", repeat + " 20 15000 1000",
                       repeat + " 20 15000 2000"};
    // The sound that plays once does not rise: it would be all but silent.
    QTest::newRow("Sound only at 20 %, softly")
        << false << 20 << true << true << QStringList{} << QStringList{end + " 20 0 0"};
    QTest::newRow("Sound only, softly at 100 %: as never tuned")
        << false << 100 << true << true << QStringList{end} << QStringList{};
    QTest::newRow("a file the tone player cannot read")
        << false << 20 << false << false << QStringList{end} << QStringList{end + " 20 0 0"};
}

// The standard sound of an alert tuned to a lower volume or a soft start.
void SlotsTest::tunedStandardSound() {
    QFETCH(bool, recur);
    QFETCH(int, volume);
    QFETCH(bool, soft);
    QFETCH(bool, readable);
    QFETCH(QStringList, played);
    QFETCH(QStringList, tones);
    form->options().setRecur(recur);
    form->part<AlertOptions>().set(1, {AlertTune::Sound::Standard, {}, volume, soft, 0, false});
    if (!readable)
        desktop->unplayableTones << QStringLiteral("/usr/share/quorbel/Alarm2.wav");
    ring(1);
    for (int beat = 0; beat < 2; ++beat) {
        form->passTime(1000);
        form->alertTick();
    }
    QCOMPARE(desktop->played, played);
    QStringList heard;
    for (const platform::Sound::Tone& tone : desktop->tones) {
        QCOMPARE(tone.channel, platform::Sound::Channel::Alert);
        QVERIFY(!tone.loop);
        heard << QStringLiteral("%1 %2 %3 %4")
                     .arg(tone.path)
                     .arg(tone.volume)
                     .arg(tone.riseMs)
                     .arg(tone.risenMs);
    }
    QCOMPARE(heard, tones);
    // Acknowledged, the tuned sound stops with it.
    pressEnter();
    QVERIFY(desktop->toneStopped[int(platform::Sound::Channel::Alert)]);
}

void SlotsTest::enterAcknowledgesEveryRingingSlot() {
    setSlot(7, QStringLiteral("00:30:00"), QStringLiteral("running"));
    click(form->slotButton(7));
    setSlot(1, QStringLiteral("00:00:00"), QStringLiteral("a"));
    form->settings().prefs().setLine(1, QStringLiteral("00:10:00a"));
    form->timersModel().expire(1);
    ring(4);
    form->settings().prefs().setLine(4, QStringLiteral("00:00:20x"));
    form->timersModel().expire(25);
    form->alertTick();
    QVERIFY(desktop->onTop);

    pressEnter();
    for (int n : {1, 4, 25}) {
        QCOMPARE(stateOf(n), Timers::State::Idle);
        QCOMPARE(form->slotPanel(n)->color(), clr::Background);
        QCOMPARE(form->slotButton(n)->fontColor(), clr::Navy);
    }
    QCOMPARE(form->slotEdit(1)->text(), QStringLiteral("00:10:00"));
    QCOMPARE(form->slotEdit(4)->text(), QStringLiteral("00:00:20"));
    QCOMPARE(form->slotEdit(4)->color(), clr::Blue);
    QCOMPARE(stateOf(7), Timers::State::Running);
    QCOMPARE(form->part<AlertFlasher>().beating(), false);
    QVERIFY(!form->part<AlertFlasher>().flashed());
    QVERIFY(!desktop->onTop);
}

void SlotsTest::enterAtTheRingAcknowledges() {
    // The first beat comes with the ring, so Enter at once takes it.
    ring(2);
    QVERIFY(desktop->onTop);
    pressEnter();
    QCOMPARE(stateOf(2), Timers::State::Idle);
    QCOMPARE(form->part<AlertFlasher>().beating(), false);

    // With every ringing slot clicked away, Enter still ends the alert state.
    ring(2);
    click(form->slotButton(2));
    form->pinButton->click();
    form->pinButton->click();
    desktop->onTop = true;
    pressEnter();
    QVERIFY(!form->part<AlertFlasher>().flashed());
    QVERIFY(!desktop->onTop);
}

void SlotsTest::pinnedWindowStaysOnTop() {
    form->pinButton->click();
    ring(3);
    form->alertTick();
    pressEnter();
    QCOMPARE(stateOf(3), Timers::State::Idle);
    QVERIFY(desktop->onTop);
    ring(3);
    click(form->slotButton(3));
    QVERIFY(desktop->onTop);
}

void SlotsTest::clickOnRingingSlotWhileAnotherRings() {
    ring(2);
    ring(9);
    form->alertTick();
    click(form->slotButton(2));
    QCOMPARE(stateOf(2), Timers::State::Idle);
    QCOMPARE(form->part<AlertFlasher>().beating(), true);
    click(form->slotButton(9));
    QCOMPARE(form->part<AlertFlasher>().beating(), false);
}

void SlotsTest::soundBoxStopsAlertOnly() {
    ring(5);
    form->alertTick();
    QTest::mouseClick(form->recurBox, Qt::LeftButton);
    QVERIFY(!form->recurBox->isChecked());
    QCOMPARE(form->part<AlertFlasher>().beating(), false);
    QCOMPARE(stateOf(5), Timers::State::Ringing);
    QVERIFY(form->part<AlertFlasher>().flashed());
    QVERIFY(form->control<QWidget>("Panel1")->hasFocus());
    pressEnter();
    QCOMPARE(stateOf(5), Timers::State::Idle);
}

void SlotsTest::quickTimerExpiry() {
    form->settings().presets().setLine(0, QStringLiteral("2"));
    click(form->slotButton(23));
    form->tick();
    QCOMPARE(stateOf(23), Timers::State::Running);
    QCOMPARE(form->timersModel().secondsLeft(23), 1);
    form->tick();
    QCOMPARE(stateOf(23), Timers::State::Ringing);
    QCOMPARE(desktop->pointer, form->pos() + QPoint(210, 190));
    // A quick timer's last minute leaves the tray alone.
    QCOMPARE(trayColourShown(*desktop), QString());
}

void SlotsTest::remainingPopupLivesOneTick() {
    form->timeLeftPopup->show();
    form->tick();
    QVERIFY(form->timeLeftPopup->isVisible());
    form->tick();
    QVERIFY(!form->timeLeftPopup->isVisible());
}

void SlotsTest::trayClickBringsWindowBack_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("minimised");
    QTest::newRow("left") << int(Qt::LeftButton) << false;
    QTest::newRow("left, minimised") << int(Qt::LeftButton) << true;
}

void SlotsTest::trayClickBringsWindowBack() {
    QFETCH(int, button);
    QFETCH(bool, minimised);
    if (minimised)
        form->showMinimized();
    else
        form->hideButton->click();
    desktop->clickTray(Qt::MouseButton(button));
    QVERIFY(form->isVisible());
    QVERIFY(!form->isMinimized());
    QCOMPARE(desktop->pointer, form->pos() + QPoint(210, 220));
}

void SlotsTest::stoppedInLastMinuteShowsClock() {
    setSlot(1, QStringLiteral("00:00:12"), QStringLiteral("x"));
    setSlot(2, QStringLiteral("01:00:00"), QStringLiteral("y"));
    click(form->slotButton(1));
    click(form->slotButton(2));
    form->tick(3);
    QCOMPARE(trayColourShown(*desktop), QStringLiteral("M6"));
    // No countdown is in its last minute any more: the clock at once, and
    // it turns again for slot 2 from the next tick.
    click(form->slotButton(1));
    QCOMPARE(trayColourShown(*desktop), QStringLiteral("M7"));
    form->tick();
    QVERIFY(form->trayIcon->animated());
}

void SlotsTest::trayTipAndMenu() {
    QCOMPARE(desktop->trayTip, QStringLiteral("Quorbel"));
    setSlot(1, QStringLiteral("00:04:33"), QStringLiteral("Tea"));
    setSlot(2, QStringLiteral("01:00:00"), QString());
    click(form->slotButton(1));
    click(form->slotButton(2));
    click(form->slotButton(27));
    form->tick();
    // The nearest to running out first.
    QCOMPARE(desktop->trayTip, QStringLiteral("Tea 4:32\nQuick timer 5 min 4:59\nTimer 2 59:59"));

    form->settings().presets().setLine(4, QStringLiteral("601"));
    click(form->slotButton(27));
    click(form->slotButton(27));
    form->tick();
    form->hideButton->click();
    desktop->clickTray(Qt::RightButton);
    QVERIFY(form->isHidden());
    QStringList items;
    for (QAction* item : desktop->trayMenu->actions())
        items << item->text();
    QCOMPARE(items, (QStringList{"Show", "", "Tea 4:31", "Quick timer 5 min 10:00", "Timer 2 59:58",
                                 "", "Quit"}));
    // While a panel shows it, its entries stay as they are and only the
    // times move on, each as wide as when it opened.
    QVERIFY(desktop->trayMenu->isVisible());
    const QList<QAction*> shown = desktop->trayMenu->actions();
    desktop->start({"quorbel", "--quick", "6"});
    form->tick();
    QCOMPARE(desktop->trayMenu->actions(), shown);
    QCOMPARE(shown[3]->text(), QStringLiteral("Quick timer 5 min \u20079:59"));
    desktop->trayMenu->close();
    form->tick();
    QCOMPARE(desktop->trayMenu->actions().size(), shown.size() + 1);
    // A timer chosen stops, as a click on it would.
    desktop->trayMenu->actions()[2]->trigger();
    QCOMPARE(stateOf(1), Timers::State::Idle);
    QCOMPARE(form->slotEdit(1)->text(), QStringLiteral("00:04:33"));
    desktop->trayMenu->actions()[0]->trigger();
    QVERIFY(form->isVisible());
}

void SlotsTest::ringsAtItsMoment_data() {
    QTest::addColumn<QList<int>>("timers");
    // Each timer starts that long after the one before, the first after
    // the last tick.
    QTest::addColumn<QList<int>>("gapsMs");

    QTest::newRow("countdown started as the tick comes") << QList<int>{4} << QList<int>{0};
    QTest::newRow("a millisecond after it") << QList<int>{4} << QList<int>{1};
    QTest::newRow("in the middle of the second") << QList<int>{4} << QList<int>{450};
    QTest::newRow("just before the next tick") << QList<int>{4} << QList<int>{999};
    QTest::newRow("quick timer") << QList<int>{23} << QList<int>{300};
    // Each in its own phase: after the first rings, the tick takes the
    // second's.
    QTest::newRow("two timers out of phase") << QList<int>{4, 23} << QList<int>{120, 1610};
    QTest::newRow("two within a second") << QList<int>{23, 4} << QList<int>{700, 1900};
}

// However the start fell within the second, a timer rings at the moment it
// is due: not a millisecond before, and not a tick later. Its flash, sound
// and notification come with it.
void SlotsTest::ringsAtItsMoment() {
    QFETCH(QList<int>, timers);
    QFETCH(QList<int>, gapsMs);
    setSlot(4, QStringLiteral("00:00:03"), QStringLiteral("Tea"));
    form->settings().presets().setLine(0, QStringLiteral("2"));
    form->options().setRecur(false);
    form->runFor(1000);
    for (qsizetype i = 0; i < timers.size(); ++i) {
        form->runFor(gapsMs[i]);
        click(form->slotButton(timers[i]));
    }
    QMap<qint64, int> ringAt;
    for (int n : std::as_const(timers))
        ringAt.insert(form->timersModel().dueMs(n), n);
    const qint64 started = desktop->boot;
    int ticks = 0;
    for (auto due = ringAt.cbegin(); due != ringAt.cend(); ++due) {
        ticks += form->runFor(due.key() - 1 - desktop->boot);
        QCOMPARE(stateOf(due.value()), Timers::State::Running);
        const qsizetype sounds = desktop->played.size();
        ticks += form->runFor(1);
        QCOMPARE(stateOf(due.value()), Timers::State::Ringing);
        QVERIFY(form->part<AlertFlasher>().flashed());
        QCOMPARE(desktop->played.size(), sounds + 1);
        QVERIFY(desktop->notifications.contains(due.value()));
    }
    // A tick a second, and at most one more for each change of phase.
    QVERIFY2(ticks <= (desktop->boot - started) / 1000 + timers.size() + 1,
             qPrintable(QString::number(ticks)));
}

void SlotsTest::stallIsMadeUp() {
    setSlot(1, QStringLiteral("00:00:09"), QStringLiteral("Egg"));
    setSlot(2, QStringLiteral("00:10:00"), QStringLiteral("Tea"));
    click(form->slotButton(1));
    click(form->slotButton(2));
    click(form->slotButton(23));
    form->stopwatchButton->click();
    // Four seconds stopped, as a suspended machine is: the next tick takes
    // off all five that passed.
    desktop->advance(4000);
    form->tick();
    QCOMPARE(form->slotEdit(1)->text(), QStringLiteral("00:00:04"));
    QCOMPARE(form->slotEdit(2)->text(), QStringLiteral("00:09:55"));
    QCOMPARE(form->timersModel().secondsLeft(23), 55);
    QCOMPARE(form->stopwatchButton->text(), QStringLiteral("0:05"));
    QCOMPARE(trayColourShown(*desktop), QStringLiteral("M6"));
    // Slot 1 ran out within the next gap: it rings at once, and once.
    const int moves = desktop->pointerMoves.size();
    desktop->advance(9000);
    form->tick();
    QCOMPARE(stateOf(1), Timers::State::Ringing);
    QCOMPARE(form->slotEdit(1)->text(), QStringLiteral("00:00:00"));
    QCOMPARE(desktop->pointerMoves.size(), moves + 1);
    QCOMPARE(form->slotEdit(2)->text(), QStringLiteral("00:09:45"));
    QCOMPARE(stateOf(23), Timers::State::Running);
}

void SlotsTest::wakeCatchesUpAtOnce() {
    QTRY_VERIFY(desktop->sleepListener);
    setSlot(6, QStringLiteral("00:00:09"), QStringLiteral("Eggs"));
    click(form->slotButton(6));
    // The machine is asked to wake for the timer, nine seconds and the
    // last one from now.
    QTRY_COMPARE(desktop->wakeAsked, desktop->wallMs() + 10000);
    QVERIFY(form->alarm1OnOff->toolTip().isEmpty());
    desktop->sleepListener(true);
    // Asleep for a minute: the wake itself brings the timer up to date,
    // without waiting for the next tick, and the screen stays on.
    desktop->advance(60000);
    QVERIFY(!desktop->keptAwake);
    desktop->sleepListener(false);
    QVERIFY(form->timersModel().isRinging(6));
    QVERIFY(desktop->keptAwake);
    click(form->slotButton(6));
    QVERIFY(!desktop->keptAwake);
}

void SlotsTest::noWakeIsSaidOnce() {
    // A system that wakes no sleeping machine for the program: the alarms'
    // switches say so once there is something to ring.
    desktop->canWake = false;
    QVERIFY(form->alarm1OnOff->toolTip().isEmpty());
    setSlot(6, QStringLiteral("00:10:00"), QStringLiteral("Eggs"));
    click(form->slotButton(6));
    QTRY_COMPARE(form->alarm1OnOff->toolTip(),
                 QStringLiteral("Rings only while the computer is awake"));
    QVERIFY(!QToolTip::isVisible());
    // The first alarm switched on says it where the user looks, once.
    form->alarm2OnOff->click();
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), form->alarm2OnOff->toolTip());
    QToolTip::hideText();
    form->alarm1OnOff->click();
    QTRY_VERIFY(!QToolTip::isVisible());
}

void SlotsTest::desktopHearsOfAlerts() {
    setSlot(4, QStringLiteral("00:00:01"), QStringLiteral("Tea"));
    form->settings().prefs().setLine(4, QStringLiteral("00:05:00Tea"));
    click(form->slotButton(4));
    click(form->slotButton(27));
    desktop->advance(298000);
    form->tick(2);
    QCOMPARE(desktop->notifications, (QMap<int, QString>{{4, "Tea|Set for 00:05:00"},
                                                         {27, "Quick timer 5 min|Set for 5:00"}}));
    // "Stop" on the desktop acknowledges its own timer, as a click on it
    // does, and nothing else: not the other timer, not tomorrow's alarm.
    form->alarm1OnOff->click();
    form->alertTick();
    desktop->actionListener(4, platform::Notifications::Action::Stop);
    QCOMPARE(stateOf(4), Timers::State::Idle);
    QCOMPARE(stateOf(27), Timers::State::Ringing);
    QCOMPARE(form->alarm1OnOff->text(), QStringLiteral("ON"));
    QCOMPARE(desktop->notifications.keys(), QList<int>{27});
    // Acknowledged in the window, it goes from the desktop too.
    click(form->slotButton(27));
    QCOMPARE(form->part<AlertFlasher>().beating(), false);
    QVERIFY(desktop->notifications.isEmpty());

    // One never given a message goes by its number on the desktop; its
    // button and its line keep the placeholder.
    setSlot(6, QStringLiteral("00:00:01"), QStringLiteral("Message"));
    click(form->slotButton(6));
    form->tick();
    QVERIFY2(desktop->trayTip.contains(QStringLiteral("Timer 6 0:00")),
             qPrintable(desktop->trayTip));
    form->tick();
    QCOMPARE(desktop->notifications.value(6), QStringLiteral("Timer 6|Set for 00:00:01"));
    QCOMPARE(form->slotButton(6)->text(), QStringLiteral("Message"));
    QCOMPARE(form->settings().prefs().line(6), QStringLiteral("00:00:01Message"));
}

void SlotsTest::commandLine() {
    setSlot(2, QStringLiteral("00:10:00"), QStringLiteral("Tea"));
    const auto start = [this](const QStringList& options) {
        desktop->start(QStringList{"quorbel"} + options);
    };
    start({"--quick", "3", "--start", "2"});
    QCOMPARE(stateOf(25), Timers::State::Running);
    QCOMPARE(stateOf(2), Timers::State::Running);
    // Each acts only on a slot in the state it is for.
    start({"--start", "2", "--quick", "3"});
    QCOMPARE(stateOf(2), Timers::State::Running);
    QCOMPARE(stateOf(25), Timers::State::Running);
    start({"--stop", "2"});
    QCOMPARE(stateOf(2), Timers::State::Idle);
    QCOMPARE(form->slotEdit(2)->text(), QStringLiteral("00:10:00"));
    // Without a number, before another option too, --stop silences what
    // rings as Enter does, for a shortcut where the window has no keyboard.
    form->timersModel().expire(25);
    form->alertTick();
    start({"--stop", "--start", "2"});
    QCOMPARE(stateOf(25), Timers::State::Idle);
    QCOMPARE(stateOf(2), Timers::State::Running);
    // A later start with nothing to do brings the window back, and so does
    // Show on the bus.
    form->showMinimized();
    start({});
    QVERIFY(form->isVisible() && !form->isMinimized());
    form->showMinimized();
    QCOMPARE(desktop->call(QStringLiteral("Show"), {QVariantMap()}).status, 0);
    QVERIFY(form->isVisible() && !form->isMinimized());
    // Given at the program's own start, it waits for the settings; each
    // that came before them is acted on, in order. The bus's name waits
    // for them too.
    QTRY_VERIFY(desktop->nameClaimed);
    desktop->nameClaimed = false;
    Form fresh(desktop->interfaces());
    QStringList told;
    const auto tell = [&told](const platform::Instance::Response& response) {
        told << QString::number(response.status) + u' ' + response.text;
    };
    fresh.part<CommandRunner>().run({"quorbel", "--set", "3", "25m", "Pasta", "--start", "3"},
                                    false, tell);
    fresh.part<CommandRunner>().run({"quorbel", "--quick", "1"}, false, tell);
    QCOMPARE(fresh.timersModel().stateOf(23), Timers::State::Idle);
    QVERIFY(!desktop->nameClaimed);
    fresh.showCentred();
    QVERIFY(QTest::qWaitForWindowActive(&fresh));
    QTRY_VERIFY(desktop->nameClaimed);
    QCOMPARE(fresh.timersModel().stateOf(23), Timers::State::Running);
    QCOMPARE(fresh.timersModel().stateOf(3), Timers::State::Running);
    QCOMPARE(told, (QStringList{"0 Timer 3: Pasta, 0:25:00\n", "0 "}));
}

void SlotsTest::commandSetsTimersAndAlarms_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    // Countdown 4's line afterwards.
    QTest::addColumn<QString>("line");

    const QString kept = QStringLiteral("00:10:00Tea");
    QTest::newRow("length and message")
        << QStringList{"--set", "4", "1h30m15s", "Pasta"} << 0 << "Timer 4: Pasta, 1:30:15\n"
        << "01:30:15Pasta";
    QTest::newRow("length alone keeps the message")
        << QStringList{"--set", "4", "0:00:05"} << 0 << "Timer 4: Tea, 0:00:05\n"
        << "00:00:05Tea";
    QTest::newRow("a line break becomes a blank")
        << QStringList{"--set", "4", "90s", "Tea\nnow"} << 0 << "Timer 4: Tea now, 0:01:30\n"
        << "00:01:30Tea now";
    QTest::newRow("the placeholder: by its number")
        << QStringList{"--set", "4", "5m", "Message"} << 0 << "Timer 4, 0:05:00\n"
        << "00:05:00Message";
    QTest::newRow("running: not changed") << QStringList{"--start", "4", "--set", "4", "5m"} << 1
                                          << "Timer 4 is running, and was not changed.\n"
                                          << kept;
    QTest::newRow("open in the editor: not changed")
        << QStringList{"--set", "4", "5m", "x"} << 1
        << "Timer 4 is open in the editor, and was not changed.\n"
        << kept;
    QTest::newRow("then started: rings with its message")
        << QStringList{"--set", "4", "2s", "Pasta", "--start", "4"} << 0
        << "Timer 4: Pasta, 0:00:02\n"
        << "00:00:02Pasta";
    QTest::newRow("alarm 2 at 19:30, then on")
        << QStringList{"--alarm", "2", "19:30", "--alarm", "2", "on"} << 0
        << "Alarm 2: 7:30 PM, off\nAlarm 2: 7:30 PM, on\n"
        << kept;
    QTest::newRow("alarm 1 at 12:05 AM")
        << QStringList{"--alarm", "1", "12:05 AM"} << 0 << "Alarm 1: 12:05 AM, off\n"
        << kept;
}

// From the command line, a countdown takes a length and a message, and an
// alarm a time, as the window would give them; what is busy is left be.
void SlotsTest::commandSetsTimersAndAlarms() {
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, text);
    QFETCH(QString, line);
    setSlot(4, QStringLiteral("00:10:00"), QStringLiteral("Tea"));
    if (QString::fromLatin1(QTest::currentDataTag()).contains(QLatin1String("editor")))
        openEditor(4);
    const platform::Instance::Response response = desktop->start(QStringList{"quorbel"} + options);
    QCOMPARE(response.status, status);
    QCOMPARE(response.text, text);
    QCOMPARE(form->settings().prefs().line(4), line);
    if (options.contains(QLatin1String("--alarm"))) {
        // Kept for the settings without the question at close.
        QVERIFY(!form->part<AlarmPanel>().timeChanged());
        const int alarm = options[1].toInt();
        QCOMPARE(form->settings().prefs().line(10 + alarm), timeToStr(form->alarms()[alarm].time));
    }
    if (options.contains(QLatin1String("--start")) && status == 0) {
        form->runFor(3000);
        QVERIFY(form->timersModel().isRinging(4));
        QCOMPARE(desktop->notifications.value(4), QStringLiteral("Pasta|Set for 00:00:02"));
    }
}

void SlotsTest::busCalls_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    // Countdown 4 before the call: idle, running or ringing.
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    // What the call left: countdown 4's state and line, quick timer 1's
    // state, alarm 2 and its line.
    QTest::addColumn<QString>("after");

    const QString kept = QStringLiteral("Idle 00:10:00Tea, quick Idle, alarm 2 off 12:00:00 PM");
    const QString length = QStringLiteral(
        "is no length a countdown takes: write H:MM:SS (minutes and seconds 0 to 59) or a sum "
        "such as 25m, 90s or 1h30m15s, from 1 second to 59:59:59.");
    const auto row = [](const char* tag, const char* method, const QVariantList& arguments,
                        const char* before = "") -> QTestData& {
        return QTest::newRow(tag) << QString::fromLatin1(method) << arguments
                                  << QString::fromLatin1(before);
    };
    row("SetTimer: length and message", "SetTimer", {4u, 5415u, "Pasta"})
        << 0 << "Timer 4: Pasta, 1:30:15"
        << "Idle 01:30:15Pasta, quick Idle, alarm 2 off 12:00:00 PM";
    row("SetTimer: an empty message keeps it", "SetTimer", {4u, 215999u, ""})
        << 0 << "Timer 4: Tea, 59:59:59"
        << "Idle 59:59:59Tea, quick Idle, alarm 2 off 12:00:00 PM";
    row("SetTimer 0", "SetTimer", {0u, 300u, ""})
        << 2 << "SetTimer takes a number from 1 to 10, not '0'." << kept;
    row("SetTimer 11", "SetTimer", {11u, 300u, ""})
        << 2 << "SetTimer takes a number from 1 to 10, not '11'." << kept;
    row("SetTimer of 0 seconds", "SetTimer", {4u, 0u, "x"}) << 2 << "'0s' " + length << kept;
    row("SetTimer past 59:59:59", "SetTimer", {4u, 216000u, "x"})
        << 2 << "'216000s' " + length << kept;
    row("SetTimer while it runs", "SetTimer", {4u, 60u, "x"}, "running")
        << 1 << "Timer 4 is running, and was not changed."
        << "Running 00:10:00Tea, quick Idle, alarm 2 off 12:00:00 PM";
    row("StartTimer", "StartTimer", {4u})
        << 0 << ""
        << "Running 00:10:00Tea, quick Idle, alarm 2 off 12:00:00 PM";
    row("StartTimer 11", "StartTimer", {11u})
        << 2 << "StartTimer takes a number from 1 to 10, not '11'." << kept;
    row("StopTimer", "StopTimer", {4u}, "running") << 0 << "" << kept;
    row("StartQuick", "StartQuick", {1u})
        << 0 << ""
        << "Idle 00:10:00Tea, quick Running, alarm 2 off 12:00:00 PM";
    row("StartQuick 13", "StartQuick", {13u})
        << 2 << "StartQuick takes a number from 1 to 12, not '13'." << kept;
    row("Again while it rings", "Again", {4u}, "ringing")
        << 0 << ""
        << "Running 00:10:00Tea, quick Idle, alarm 2 off 12:00:00 PM";
    row("SilenceAll", "SilenceAll", {}, "ringing") << 0 << "" << kept;
    row("SnoozeAll", "SnoozeAll", {}, "ringing")
        << 0 << ""
        << "Snoozed 00:10:00Tea, quick Idle, alarm 2 off 12:00:00 PM";
    row("SetAlarm: a time, and on", "SetAlarm", {2u, "19:30", true})
        << 0 << "Alarm 2: 7:30 PM, on"
        << "Idle 00:10:00Tea, quick Idle, alarm 2 on 7:30:00 PM";
    row("SetAlarm: off keeps the time", "SetAlarm", {2u, "", false})
        << 0 << "Alarm 2: 12:00 AM, off" << kept;
    row("SetAlarm 3", "SetAlarm", {3u, "7:30", true})
        << 2 << "SetAlarm takes a number from 1 to 2, not '3'." << kept;
    row("SetAlarm at 25:00", "SetAlarm", {1u, "25:00", true})
        << 2 << "'25:00' is no time of day: write 7:30, 7:30 AM or 19:30." << kept;
}

// Each D-Bus call does what its command-line option does, by the same
// rules; what breaks one is refused with the command line's words.
void SlotsTest::busCalls() {
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, before);
    QFETCH(int, status);
    QFETCH(QString, text);
    QFETCH(QString, after);
    setSlot(4, QStringLiteral("00:10:00"), QStringLiteral("Tea"));
    if (!before.isEmpty())
        click(form->slotButton(4));
    if (before == QLatin1String("ringing"))
        form->timersModel().expire(4);
    const platform::Instance::Response response = desktop->call(method, arguments);
    QCOMPARE(response.status, status);
    QCOMPARE(response.text, text);
    const Timers& timers = form->timersModel();
    const QString state = timers.isSnoozed(4)
                              ? QStringLiteral("Snoozed")
                              : QString::fromLatin1(QMetaEnum::fromType<Timers::State>().valueToKey(
                                    int(timers.stateOf(4))));
    QCOMPARE(QStringLiteral("%1 %2, quick %3, alarm 2 %4 %5")
                 .arg(state, form->settings().prefs().line(4),
                      QString::fromLatin1(
                          QMetaEnum::fromType<Timers::State>().valueToKey(int(timers.stateOf(23)))),
                      form->alarms()[2].on ? QStringLiteral("on") : QStringLiteral("off"),
                      form->settings().prefs().line(12)),
             after);
}

// What a script or a panel reads of the program: the JSON document, the
// plain lines of --status and a panel's line, with timers running, ringing
// and snoozed, the stopwatch and an alarm.
void SlotsTest::stateForScripts() {
    const auto state = [this] { return QJsonDocument::fromJson(desktop->probe()).object(); };
    QCOMPARE(state().keys(), (QStringList{"alarms", "stopwatch", "time", "timers", "version"}));
    QCOMPARE(statusLines(desktop->probe(), desktop->wallMs()),
             QStringLiteral("Nothing is running.\n"));
    QCOMPARE(panelLine(desktop->probe(), desktop->wallMs()).cssClass, QStringLiteral("idle"));
    const int changes = desktop->changes;

    setSlot(3, QStringLiteral("00:25:00"), QStringLiteral("Pasta"));
    setSlot(4, QStringLiteral("00:00:01"), QStringLiteral("Message"));
    setSlot(6, QStringLiteral("00:10:00"), QStringLiteral("Eggs"));
    for (int n : {3, 4, 6, 27})
        click(form->slotButton(n));
    form->timersModel().expire(6);
    desktop->actionListener(6, platform::Notifications::Action::Snooze);
    form->stopwatchButton->click();
    form->alarm2OnOff->click();
    form->runFor(2000);
    // Each change was told to the watchers, and on the bus; the seconds
    // between were not.
    QVERIFY(desktop->changes > changes);
    QCOMPARE(desktop->broadcasts, desktop->changes);
    const int counted = desktop->changes;
    form->runFor(5000);
    QCOMPARE(desktop->changes, counted);
    QCOMPARE(desktop->broadcasts, counted);
    // Status on the bus is the document a probe gets.
    QCOMPARE(desktop->call(QStringLiteral("Status")).text.toUtf8(), desktop->probe());

    const QJsonObject now = state();
    QCOMPARE(now.value("version").toInt(), 1);
    QCOMPARE(now.value("time").toString(), QStringLiteral("2026-12-07T12:00:07.000Z"));
    QStringList timers;
    for (const QJsonValue& timer : now.value("timers").toArray()) {
        const QJsonObject t = timer.toObject();
        timers << QStringLiteral("%1 %2 '%3' %4 %5 %6 %7")
                      .arg(t.value("number").toInt())
                      .arg(t.value("kind").toString(), t.value("message").toString(),
                           t.value("state").toString(), t.value("due").toString())
                      .arg(t.value("left_ms").toInteger())
                      .arg(t.value("length").toInt());
    }
    QCOMPARE(timers, (QStringList{
                         "3 countdown 'Pasta' running 2026-12-07T12:25:01.000Z 1494000 1500",
                         "4 countdown '' ringing 2026-12-07T12:00:02.000Z 0 1",
                         "6 countdown 'Eggs' snoozed 2026-12-07T12:05:01.000Z 294000 600",
                         "5 quick '' running 2026-12-07T12:05:00.000Z 293000 300",
                     }));
    QCOMPARE(now.value("stopwatch").toObject(),
             (QJsonObject{{"state", "running"}, {"seconds", 7}}));
    QCOMPARE(now.value("alarms").toArray(),
             (QJsonArray{QJsonObject{{"number", 2},
                                     {"time", "12:00 AM"},
                                     {"state", "on"},
                                     {"next", "2026-12-08T00:00:00.000Z"}}}));

    QCOMPARE(
        statusLines(desktop->probe(), desktop->wallMs()),
        QStringLiteral("Pasta: 24:53 left\nTimer 4: ringing since 12:00:02\n"
                       "Eggs: snoozed, 4:53 left\nQuick timer 5 min: 4:53 left\n"
                       "Stopwatch: running, 0:07\nAlarm 2: 12:00 AM, rings at Tue 00:00:00\n"));
    const PanelLine line = panelLine(desktop->probe(), desktop->wallMs());
    QCOMPARE(line.text, QStringLiteral("Timer 4 ringing"));
    QCOMPARE(line.cssClass, QStringLiteral("ringing"));
    QVERIFY(line.counting);
    form->timersModel().acknowledgeAll();
    const PanelLine next = panelLine(desktop->probe(), desktop->wallMs());
    QCOMPARE(next.text, QStringLiteral("Eggs 4:53"));
    QCOMPARE(next.cssClass, QStringLiteral("running"));
    QCOMPARE(next.percentage, 52);
}

// Slot 2 tuned through its menu's dialog: a theme bell rising softly, a
// warning a minute before the end, and a repeat; then its life.
void SlotsTest::tunedAlertThroughItsLife() {
    setSlot(2, QStringLiteral("00:03:00"), QStringLiteral("Tea"));
    QTest::mousePress(form->slotButton(2), Qt::RightButton, {}, QPoint(5, 5));
    QTimer::singleShot(0, this, [this] {
        AlertOptionsDialog* dialog = form->part<AlertTuner>().dialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Alert options – Tea"));
        // Play hears the standard sound at the volume chosen.
        dialog->findChild<QSlider*>(QStringLiteral("VolumeSlider"))->setValue(20);
        dialog->findChild<FlatButton*>(QStringLiteral("PlayButton"))->click();
        QCOMPARE(desktop->tones.size(), 1);
        QCOMPARE(desktop->tones[0].path, QStringLiteral("/usr/share/quorbel/Alarm2.wav"));
        QCOMPARE(desktop->tones[0].volume, 20);
        desktop->tones.clear();
        dialog->findChild<QComboBox*>(QStringLiteral("SoundBox"))
            ->setCurrentIndex(dialog->findChild<QComboBox*>(QStringLiteral("SoundBox"))
                                  ->findText(QStringLiteral("Bell")));
        dialog->findChild<QCheckBox*>(QStringLiteral("SoftBox"))->setChecked(true);
        dialog->findChild<QSpinBox*>(QStringLiteral("WarnBox"))->setValue(1);
        dialog->findChild<QCheckBox*>(QStringLiteral("RepeatBox"))->setChecked(true);
        dialog->findChild<FlatButton*>(QStringLiteral("OkButton"))->click();
    });
    form->slotAlertOptionsItem->trigger();
    const AlertTune tune = form->part<AlertOptions>().of(2);
    QCOMPARE(tune.sound, AlertTune::Sound::Theme);
    QCOMPARE(tune.source, QStringLiteral("bell"));
    QVERIFY(tune.softStart && tune.repeat);
    QCOMPARE(tune.warnMinutes, 1);

    click(form->slotButton(2));
    form->tick(119);
    QVERIFY(desktop->tones.isEmpty());
    form->tick();
    // A minute left: a soft sound once, and the desktop hears of it.
    QCOMPARE(desktop->tones.size(), 1);
    QCOMPARE(desktop->tones[0].channel, platform::Sound::Channel::Cue);
    QVERIFY(!desktop->tones[0].loop);
    QCOMPARE(desktop->notifications.value(2),
             QStringLiteral("Tea: 1 minute left|Set for 00:03:00"));
    form->tick(61);
    QCOMPARE(stateOf(2), Timers::State::Ringing);
    // Its bell loops, rising, and the standard sound keeps quiet.
    QCOMPARE(desktop->tones.size(), 2);
    const platform::Sound::Tone bell = desktop->tones[1];
    QCOMPARE(bell.path, QStringLiteral("/themes/bell.oga"));
    QVERIFY(bell.loop);
    QCOMPARE(bell.riseMs, 15000);
    form->alertTick(3);
    QVERIFY(desktop->played.isEmpty());
    // Enter: the bell stops and the timer starts again for its set time.
    QTest::keyClick(form.get(), Qt::Key_Return);
    QVERIFY(desktop->toneStopped[int(platform::Sound::Channel::Alert)]);
    QTRY_COMPARE(stateOf(2), Timers::State::Running);
    QCOMPARE(form->slotEdit(2)->text(), QStringLiteral("00:03:00"));
    // Stopped by a click while it runs, it stays at rest.
    click(form->slotButton(2));
    QTest::qWait(10);
    QCOMPARE(stateOf(2), Timers::State::Idle);

    // A file that cannot be played: the standard sound once in its place,
    // and the dialog says so.
    form->part<AlertOptions>().set(
        2, {AlertTune::Sound::File, QStringLiteral("/gone.ogg"), 100, false, 0, false});
    desktop->unplayableTones << QStringLiteral("/gone.ogg");
    ring(2);
    QCOMPARE(desktop->played.size(), 1);
    QVERIFY(desktop->played[0].endsWith(QStringLiteral("Alarm2.wav")));
    QTimer::singleShot(0, this, [this] {
        AlertOptionsDialog* dialog = form->part<AlertTuner>().dialog();
        QCOMPARE(dialog->findChild<CaptionLabel*>(QStringLiteral("FileLabel"))->text(),
                 QStringLiteral("This sound could not be played"));
        dialog->findChild<FlatButton*>(QStringLiteral("CancelButton"))->click();
    });
    form->part<AlertTuner>().openFor(2);
}

// A keyboard user reaches every option: Enter in the open sound list takes
// the entry and leaves the dialog open; stepping through the closed list
// opens no file chooser; an alarm is offered only what applies to it.
void SlotsTest::alertOptionsFromTheKeyboard() {
    QTimer::singleShot(0, this, [this] {
        AlertOptionsDialog* dialog = form->part<AlertTuner>().dialog();
        QComboBox* box = dialog->findChild<QComboBox*>(QStringLiteral("SoundBox"));
        QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(box->view()->isVisible());
        QTest::keyClick(box->view(), Qt::Key_Down);
        QTest::keyClick(box->view(), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QTRY_VERIFY(!box->view()->isVisible());
        QCOMPARE(box->currentText(), QStringLiteral("None"));
        // Each entry the closed box steps onto is shown whole.
        QStyleOptionComboBox shown;
        for (int i = 0; i < box->count(); ++i) {
            QTest::qWait(1);
            QTest::keyClick(box, Qt::Key_Up);
            shown.initFrom(box);
            const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &shown,
                                                             QStyle::SC_ComboBoxEditField, box);
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->currentText()) <= field.width(),
                     qPrintable(box->currentText()));
        }
        QCOMPARE(box->currentIndex(), 0);
        for (int i = 0; i < box->count(); ++i) {
            QTest::qWait(1);
            QTest::keyClick(box, Qt::Key_Down);
        }
        QCOMPARE(QApplication::activeModalWidget(), dialog);
        QVERIFY(!dialog->findChild<QSpinBox*>(QStringLiteral("WarnBox"))->isVisible() &&
                !dialog->findChild<QCheckBox*>(QStringLiteral("RepeatBox"))->isVisible());
        dialog->findChild<FlatButton*>(QStringLiteral("CancelButton"))->click();
    });
    form->part<AlertTuner>().openFor(AlertOptions::alarmKey(1));
}

void SlotsTest::notificationActions_data() {
    using Action = platform::Notifications::Action;
    QTest::addColumn<int>("slot");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Snooze: five minutes, same message") << 3 << Action::Snooze << "00:05:00";
    QTest::newRow("Again: its set time") << 3 << Action::Again << "00:00:40";
    QTest::newRow("a quick timer snoozes too") << 24 << Action::Snooze << "";
}

void SlotsTest::notificationActions() {
    QFETCH(int, slot);
    QFETCH(platform::Notifications::Action, action);
    QFETCH(QString, shown);
    setSlot(3, QStringLiteral("00:00:40"), QStringLiteral("Pasta"));
    click(form->slotButton(slot));
    form->tick(50);
    form->timersModel().expire(slot);
    QCOMPARE(desktop->notificationActions.value(slot).size(), 4);
    desktop->actionListener(slot, action);
    QCOMPARE(stateOf(slot), Timers::State::Running);
    // A snooze says when it rings again; Again is the timer's start.
    if (action == platform::Notifications::Action::Snooze)
        QVERIFY(desktop->notifications.value(slot).endsWith(u"|Snoozed: rings again at 12:05"));
    else
        QVERIFY(!desktop->notifications.contains(slot));
    if (timer::isCountdown(slot)) {
        QCOMPARE(form->slotEdit(slot)->text(), shown);
        QCOMPARE(form->slotButton(slot)->text(), QStringLiteral("Pasta"));
    } else {
        QCOMPARE(form->timersModel().secondsLeft(slot), 300);
    }
}

// A click on the notification of a timer that rang while the window was
// hidden again brings the window, the alert still ringing in it.
void SlotsTest::notificationClickShowsTheWindow() {
    click(form->slotButton(24));
    form->timersModel().expire(24);
    QCOMPARE(desktop->alerts, 1);
    form->hide();
    const int raises = desktop->raises;
    desktop->actionListener(24, platform::Notifications::Action::Show);
    QCOMPARE(desktop->raises, raises + 1);
    QVERIFY(form->isVisible());
    QCOMPARE(stateOf(24), Timers::State::Ringing);
    QVERIFY(desktop->notifications.contains(24));
}

void SlotsTest::desktopShortcuts_data() {
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<bool>("ringing");
    // Countdown 4 after the press, and whether the window was brought back.
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("shown");
    QTest::newRow("silence") << "silence" << true << "Idle" << false;
    QTest::newRow("snooze") << "snooze" << true << "Snoozed" << false;
    QTest::newRow("show, the ring going on") << "show" << true << "Ringing" << true;
    QTest::newRow("silence while nothing rings") << "silence" << false << "Idle" << false;
    QTest::newRow("snooze while nothing rings") << "snooze" << false << "Idle" << false;
    QTest::newRow("show while nothing rings") << "show" << false << "Idle" << true;
    QTest::newRow("an id never offered") << "quit" << true << "Ringing" << false;
}

// Keys bound in the desktop's settings do what Enter, --snooze and --show
// do, once the program is ready; an id the program never offered does
// nothing.
void SlotsTest::desktopShortcuts() {
    QFETCH(QString, pressed);
    QFETCH(bool, ringing);
    QFETCH(QString, after);
    QFETCH(bool, shown);
    QTRY_COMPARE(desktop->shortcuts.size(), 3);
    QStringList offered;
    for (const platform::Shortcuts::Shortcut& shortcut : std::as_const(desktop->shortcuts))
        offered << shortcut.id + u'|' + shortcut.description;
    QCOMPARE(offered, (QStringList{"silence|Silence ringing timers and alarms",
                                   "snooze|Snooze ringing timers and alarms for 5 minutes",
                                   "show|Show Quorbel"}));
    setSlot(4, QStringLiteral("00:10:00"), QStringLiteral("Tea"));
    if (ringing) {
        click(form->slotButton(4));
        form->timersModel().expire(4);
    }
    form->showMinimized();
    desktop->shortcutListener(pressed);
    const Timers& timers = form->timersModel();
    QCOMPARE(timers.isSnoozed(4)
                 ? QStringLiteral("Snoozed")
                 : QString::fromLatin1(
                       QMetaEnum::fromType<Timers::State>().valueToKey(int(timers.stateOf(4)))),
             after);
    QCOMPARE(!form->isMinimized(), shown);
}

QTEST_MAIN(SlotsTest)
#include "test_slots.moc"

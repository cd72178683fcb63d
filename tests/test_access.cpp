// SPDX-License-Identifier: GPL-3.0-or-later
// The window from the keyboard and as a screen reader hears it.
#include "FormFixture.h"
#include "core/TimerNumbers.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void tabWalksVisibleControlsInReadingOrder_data();
    void tabWalksVisibleControlsInReadingOrder();
    void timerFromKeyboardAlone();
    void escapeClosesEditorStoringNothing();
    void menuKeyOpensTheFocusedControlsMenu_data();
    void menuKeyOpensTheFocusedControlsMenu();
    void mousePressLeavesKeyboardMode();
    void everyVisibleControlIsNamed_data();
    void everyVisibleControlIsNamed();
    void namesFollowState();
    void ringingIsAnnounced();

private:
    std::unique_ptr<platform::FakePlatform> desktop;
    std::unique_ptr<Form> form;

    QWidget* focus() const { return QApplication::focusWidget(); }
    // The control named for the focus: a picker's field box counts as the
    // picker.
    QString focusName() const {
        QWidget* focus = this->focus();
        while (focus && focus->objectName().isEmpty())
            focus = focus->parentWidget();
        return focus ? focus->objectName() : QString();
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(),
                        Qt::Key(key), modifiers);
    }
    // Tabs until the named control has the keyboard; false after a round.
    bool tabTo(const QString& name) {
        for (int i = 0; i < 80 && focusName() != name; ++i)
            key(Qt::Key_Tab);
        return focusName() == name;
    }
};

void AccessTest::init() {
    // A screen reader listens: only then are the names kept up to date.
    QAccessible::setActive(true);
    desktop = std::make_unique<platform::FakePlatform>();
    form = std::make_unique<Form>(desktop->interfaces());
    form->showCentred();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void AccessTest::cleanup() {
    form.reset();
    desktop.reset();
}

void AccessTest::tabWalksVisibleControlsInReadingOrder_data() {
    QTest::addColumn<bool>("alarmHalf");
    QTest::addColumn<QStringList>("expected");
    QStringList left = {"SpeedButton35", "SpeedButton20", "SpeedButton15", "SpeedButton16Y",
                        "SpeedButton15X"};
    for (int n = 1; n <= 10; ++n)
        left << QStringLiteral("Edit%1").arg(n) << QStringLiteral("SpeedButton%1").arg(n);
    for (int n = 23; n <= 34; ++n)
        left << QStringLiteral("SpeedButton%1").arg(n);
    left << "CheckBox1"
         << "SpeedButton11"
         << "CheckBox2";
    QTest::newRow("collapsed") << false << left;
    QStringList open = left;
    open << "SpeedButton21"
         << "SpeedButton18"
         << "Edit12"
         << "DateTimePicker2"
         << "Panel57"
         << "SpeedButton22"
         << "SpeedButton16"
         << "DateTimePicker3"
         << "Panel56"
         << "SpeedButton14"
         << "SpeedButton17"
         << "CheckBox3"
         << "SpeedButton19"
         << "CheckBox4";
    // The snooze lengths are one stop; the arrow keys choose among them.
    open << "RadioButton2";
    QTest::newRow("alarm half open") << true << open;
}

void AccessTest::tabWalksVisibleControlsInReadingOrder() {
    QFETCH(bool, alarmHalf);
    QFETCH(QStringList, expected);
    if (alarmHalf) {
        form->alarmClockItem->trigger();
        form->focusMainPanel();
    }
    // From the first slot's panel, where the keyboard rests, Shift+Tab goes
    // back to the title row and Tab then goes round once.
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusName(), QStringLiteral("SpeedButton15X"));
    QStringList walked;
    for (int i = 0; i < int(expected.size()); ++i) {
        key(Qt::Key_Tab);
        walked << focusName();
        // A picker's two fields in sight take a Tab each.
        if (focusName().startsWith(QLatin1String("DateTimePicker")))
            key(Qt::Key_Tab);
    }
    QCOMPARE(walked, QStringList(expected.mid(5) + expected.mid(0, 5)));
    key(Qt::Key_Tab);
    QCOMPARE(focusName(), expected.at(5));
    for (QWidget* control : form->findChildren<QWidget*>()) {
        if (control->isVisible() && control->objectName() == focusName())
            return;
    }
    QFAIL("the focus is on a hidden control");
}

void AccessTest::timerFromKeyboardAlone() {
    // Slot 2's button, its editor from the menu key, a message and a time
    // typed, stored with Enter, and the timer started with Space.
    QVERIFY(tabTo(QStringLiteral("SpeedButton2")));
    key(Qt::Key_Menu);
    QVERIFY(form->slotMenu->isVisible());
    QTest::keyClick(form->slotMenu, Qt::Key_Return);
    QVERIFY(form->editorPanel->isVisible());
    QCOMPARE(focus(), form->messageEdit);
    QTest::keyClicks(form->messageEdit, QStringLiteral("Tea"));
    key(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("DateTimePicker1"));
    // A full field moves on to the next by itself.
    QTest::keyClicks(focus(), QStringLiteral("0005"));
    // The keypad's Enter, in the hours and minutes.
    QTest::keyClick(focus(), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(form->editorPanel->isHidden());
    QCOMPARE(form->settings().prefs().line(2), QStringLiteral("00:05:00Tea"));
    QCOMPARE(focusName(), QStringLiteral("SpeedButton2"));
    key(Qt::Key_Space);
    QVERIFY(form->timersModel().isRunning(2));
    // Quit from the keyboard asks about the running timer.
    desktop->answers << platform::Questions::Answer::Yes;
    QSignalSpy closed(form.get(), &MainWindow::closed);
    QVERIFY(tabTo(QStringLiteral("SpeedButton11")));
    key(Qt::Key_Space);
    QCOMPARE(closed.count(), 1);
}

void AccessTest::escapeClosesEditorStoringNothing() {
    QVERIFY(tabTo(QStringLiteral("SpeedButton4")));
    QTest::keyClick(focus(), Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(form->slotMenu, Qt::Key_Return);
    QVERIFY(form->editorPanel->isVisible());
    QTest::keyClicks(form->messageEdit, QStringLiteral("Lost"));
    const QString saved = form->settings().prefs().line(4);
    key(Qt::Key_Escape);
    QVERIFY(form->editorPanel->isHidden());
    QCOMPARE(form->settings().prefs().line(4), saved);
    QCOMPARE(form->slotButton(4)->text(), QStringLiteral("Message"));
    QCOMPARE(focusName(), QStringLiteral("SpeedButton4"));
}

void AccessTest::menuKeyOpensTheFocusedControlsMenu_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("menu");
    QTest::newRow("a slot's button") << "SpeedButton3"
                                     << "PopupMenu1";
    QTest::newRow("a slot's time box") << "Edit3"
                                       << "PopupMenu2";
    QTest::newRow("the background") << ""
                                    << "PopupMenu3";
    QTest::newRow("the stopwatch") << "SpeedButton35"
                                   << "PopupMenu4";
    QTest::newRow("Quit") << "SpeedButton11"
                          << "PopupMenu5";
}

void AccessTest::menuKeyOpensTheFocusedControlsMenu() {
    QFETCH(QString, control);
    QFETCH(QString, menu);
    if (!control.isEmpty())
        QVERIFY(tabTo(control));
    key(Qt::Key_Menu);
    auto* opened = form->control<PopupMenu>(menu);
    QVERIFY(opened->isVisible());
    QVERIFY(opened->activeAction());
    opened->close();
    // A busy slot offers no menu, as with the mouse.
    if (menu == QLatin1String("PopupMenu1")) {
        form->settings().prefs().setLine(3, QStringLiteral("00:05:00"));
        form->timersModel().readSaved();
        form->timersModel().toggle(3);
        key(Qt::Key_Menu);
        QVERIFY(!opened->isVisible());
    }
}

void AccessTest::mousePressLeavesKeyboardMode() {
    QVERIFY(tabTo(QStringLiteral("CheckBox1")));
    // Space on a check box leaves the keyboard there...
    key(Qt::Key_Space);
    QVERIFY(!form->soundBox->isChecked());
    QCOMPARE(focusName(), QStringLiteral("CheckBox1"));
    // ...a click sends it to the first slot's panel, as it always did.
    QTest::mouseClick(form->soundBox, Qt::LeftButton, {}, QPoint(5, 8));
    QVERIFY(form->soundBox->isChecked());
    QCOMPARE(focusName(), QStringLiteral("Panel1"));
    QVERIFY(!form->keyboard().keyboardMode());
}

void AccessTest::everyVisibleControlIsNamed_data() {
    QTest::addColumn<bool>("alarmHalf");
    QTest::newRow("collapsed") << false;
    QTest::newRow("alarm half open") << true;
}

void AccessTest::everyVisibleControlIsNamed() {
    QFETCH(bool, alarmHalf);
    if (alarmHalf)
        form->alarmClockItem->trigger();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Quorbel"));
    const QList<QAccessible::Role> controls = {QAccessible::Button,       QAccessible::PushButton,
                                               QAccessible::CheckBox,     QAccessible::RadioButton,
                                               QAccessible::EditableText, QAccessible::SpinBox,
                                               QAccessible::StaticText};
    QStringList nameless;
    QStringList names;
    for (QWidget* control : form->findChildren<QWidget*>()) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        if (!face || !controls.contains(face->role()) || control->objectName().isEmpty())
            continue;
        // What is out of sight is not reported as showing.
        QCOMPARE(face->state().invisible, !control->isVisible());
        if (!control->isVisible())
            continue;
        const QString name = face->text(QAccessible::Name);
        if (name.isEmpty())
            nameless << control->objectName();
        names << name;
    }
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u' ')));
    // And a new user can hover to learn what the title row's letters do.
    for (QWidget* control : std::initializer_list<QWidget*>{
             form->stopwatchButton, form->openAlarmHalfButton, form->pinButton, form->hideButton,
             form->soundBox, form->recurBox, form->quitButton})
        QTRY_VERIFY2(!control->toolTip().isEmpty(), qPrintable(control->objectName()));
    QVERIFY(names.contains(QStringLiteral("Timer 3: Message, 00:00:00")));
    QVERIFY(names.contains(QStringLiteral("Quick timer 1 minute")));
    QVERIFY(names.contains(QStringLiteral("Hide window")));
    QCOMPARE(names.contains(QStringLiteral("Alarm 1 time 12:00 AM")), alarmHalf);
}

void AccessTest::namesFollowState() {
    auto name = [](QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    };
    form->settings().prefs().setLine(3, QStringLiteral("00:05:00Tea"));
    form->timersModel().readSaved();
    QTRY_VERIFY(!form->slotEdit(3)->toolTip().isEmpty());
    QTest::mouseClick(form->slotButton(3), Qt::LeftButton);
    QCOMPARE(name(form->slotButton(3)), QStringLiteral("Timer 3: Tea, 00:05:00, running"));
    // A running timer's box offers no seconds, and says nothing of them.
    QCOMPARE(form->slotEdit(3)->toolTip(), QString());
    QCOMPARE(form->slotEdit(3)->accessibleDescription(), QString());
    QCOMPARE(form->slotEdit(4)->toolTip(), QStringLiteral("Right-click to set the seconds"));
    QTest::mouseClick(form->slotButton(3), Qt::LeftButton);
    QCOMPARE(form->slotEdit(3)->toolTip(), QStringLiteral("Right-click to set the seconds"));
    QTest::mouseClick(form->slotButton(3), Qt::LeftButton);
    QTest::mouseClick(form->pinButton, Qt::LeftButton);
    QCOMPARE(name(form->pinButton), QStringLiteral("Keep on top (on)"));
    QTest::mouseClick(form->openAlarmHalfButton, Qt::LeftButton);
    QCOMPARE(name(form->openAlarmHalfButton), QStringLiteral("Hide alarm clock"));
    QTest::mouseClick(form->alarm1OnOff, Qt::LeftButton);
    QCOMPARE(name(form->alarm1OnOff), QStringLiteral("Alarm 1: ON"));
    QTest::mouseClick(form->alarm1AmPm, Qt::LeftButton);
    QCOMPARE(name(form->alarm1AmPm), QStringLiteral("Alarm 1 PM"));
    QCOMPARE(name(form->alarm1Picker), QStringLiteral("Alarm 1 time 12:00 PM"));
    QTest::mouseClick(form->slotButton(27), Qt::LeftButton);
    QCOMPARE(name(form->slotButton(27)), QStringLiteral("Quick timer 5 minutes, running"));

    // Unheard, the names wait; a reader that comes finds them true.
    QAccessible::setActive(false);
    QTest::mouseClick(form->slotButton(28), Qt::LeftButton);
    QAccessible::setActive(true);
    QCOMPARE(name(form->slotButton(28)), QStringLiteral("Quick timer 6 minutes, running"));
}

void AccessTest::ringingIsAnnounced() {
    form->settings().prefs().setLine(1, QStringLiteral("00:00:01Message"));
    form->timersModel().readSaved();
    QTest::mouseClick(form->slotButton(1), Qt::LeftButton);
    form->tick(2);
    QCOMPARE(QAccessible::queryAccessibleInterface(form->slotButton(1))->text(QAccessible::Name),
             QStringLiteral("Timer 1: Message, 00:00:01, ringing"));
}

QTEST_MAIN(AccessTest)
#include "test_access.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a window: its controls, start-up, the alarm half,
// dragging, hiding, the pin, quitting and the error policy.
#include "FormFixture.h"
#include "core/Colors.h"

#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace {

// Records which events reach a control.
class Recorder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            auto* key = static_cast<QKeyEvent*>(event);
            seen << QStringLiteral("%1 %2")
                        .arg(event->type() == QEvent::KeyPress ? "press" : "release")
                        .arg(key->key());
        }
        return false;
    }
    QStringList seen;
};

QPoint centreOf(QWidget* w) {
    return w->mapToGlobal(QPoint(w->width() / 2, w->height() / 2));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsCollapsed();
    void onScreenFirstShowsTheSameWindow();
    void namedControls_data();
    void namedControls();
    void noControlBeyondTheTable();
    void menus();
    void backgroundPicture();
    void drawnColours_data();
    void drawnColours();
    void firstActivationLoadsOnce();
    void failedLoadIsRetried();
    void alarmHalfToggle();
    void quitWithoutRunningSlot();
    void quitWithRunningSlot_data();
    void quitWithRunningSlot();
    void ringingSlotAsksNothing();
    void closeNoSave();
    void failedSaveKeepsWindow();
    void hideButtonClosesEditor();
    void pinKeepsOnTop();
    void dragByTitle_data();
    void dragByTitle();
    void rightClickOnPictureOpensMenu();
    void enterReleaseNeverReachesControl();
    void menuItemsKeepOwnCheckMarks();

private:
    std::unique_ptr<platform::FakePlatform> desktop;
    std::unique_ptr<Form> form;

    void showAndActivate() {
        form->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    FlatButton* button(const QString& name) { return form->control<FlatButton>(name); }
};

void MainWindowTest::init() {
    desktop = std::make_unique<platform::FakePlatform>();
    desktop->primaryScreen = QRect(0, 0, 1280, 1024);
    desktop->desktop = QRect(0, 0, 2560, 1024);
    form = std::make_unique<Form>(desktop->interfaces());
}

void MainWindowTest::cleanup() {
    form.reset();
    desktop.reset();
}

void MainWindowTest::startsCollapsed() {
    QCOMPARE(form->size(), QSize(298, 239));
    QVERIFY(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form->windowTitle(), QStringLiteral("Quorbel"));
    QCOMPARE(form->editorPanel->y(), 48);
    QVERIFY(!form->editorPanel->isVisibleTo(form.get()));
    QVERIFY(!form->timeLeftPopup->isVisibleTo(form.get()));
    QCOMPARE(form->part<AlertFlasher>().beating(), false);
    QCOMPARE(form->part<AlarmPanel>().snoozePeriod(), 0);
    QCOMPARE(form->part<Scheduler>().period(), 1000);
    QCOMPARE(form->trayIcon->frameInterval(), 450);
    QCOMPARE(form->part<SettingsFile>().optionFlags(), QString(30, u'0'));
    QVERIFY(form->State.FirstActivation);
    // The alarm half exists but lies past the collapsed window's edge.
    for (QWidget* right : std::initializer_list<QWidget*>{
             form->alarmBackgroundPicture, form->alarmTitleLabel, form->alarmHideButton,
             form->closeAlarmHalfButton, form->clockPanel, form->alarmPanel})
        QVERIFY2(right->x() >= 298, qPrintable(right->objectName()));
}

// The program puts its window on screen before building the controls; what
// the first paint shows must be what a window built hidden shows. What the
// first frame does not show (the tray icon, the window icon) follows it.
void MainWindowTest::onScreenFirstShowsTheSameWindow() {
    showAndActivate();
    desktop->trayCalls.clear();
    Form early(desktop->interfaces(), MainWindow::Start::OnScreenFirst);
    QVERIFY(desktop->trayCalls.isEmpty());
    QVERIFY(early.windowIcon().isNull());
    QVERIFY(QTest::qWaitForWindowExposed(&early));
    QTRY_VERIFY(early.trayIcon->isShown());
    QVERIFY(!early.windowIcon().isNull());
    QCOMPARE(early.geometry(), form->geometry());
    // A start in the background comes, when first shown, where a start on
    // screen does.
    Form background(desktop->interfaces(), MainWindow::Start::Background);
    desktop->show(&background);
    QCOMPARE(background.pos(), early.pos());
    const QList<QWidget*> controls = form->findChildren<QWidget*>();
    QCOMPARE(early.findChildren<QWidget*>().size(), controls.size());
    for (QWidget* control : controls) {
        if (form->controls().lookUp(control->objectName()) != control || control->isWindow())
            continue;
        auto* twin = early.control<QWidget>(control->objectName());
        QVERIFY2(twin, qPrintable(control->objectName()));
        QVERIFY2(twin->isVisible() == control->isVisible(), qPrintable(control->objectName()));
        if (control->isVisible())
            QCOMPARE(twin->geometry(), control->geometry());
    }
    QCOMPARE(early.focusWidget()->objectName(), form->focusWidget()->objectName());
}

namespace {

// The original table of the window's controls: name, parent, bounds, caption.
QList<QStringList> controlTable() {
    QFile file(QFINDTESTDATA("data/layout.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.trimmed().isEmpty() && !line.startsWith(u'#'))
            rows << line.split(u'|');
    }
    return rows;
}

} // namespace

void MainWindowTest::namedControls_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QList<int>>("bounds");
    QTest::addColumn<QString>("caption");
    const QList<QStringList> table = controlTable();
    QVERIFY(!table.isEmpty());
    for (const QStringList& cells : table) {
        QList<int> bounds;
        for (const QString& number : cells[2].split(u' ', Qt::SkipEmptyParts))
            bounds << number.toInt();
        QTest::newRow(qPrintable(cells[0].trimmed()))
            << cells[1].trimmed() << bounds << cells[3].trimmed();
    }
}

void MainWindowTest::namedControls() {
    QFETCH(QString, parent);
    QFETCH(QList<int>, bounds);
    QFETCH(QString, caption);
    auto* control = form->control<QWidget>(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->pos(), QPoint(bounds[0], bounds[1]));
    if (bounds.size() == 4)
        QCOMPARE(control->size(), QSize(bounds[2], bounds[3]));
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        QCOMPARE(button->text(), caption);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        QCOMPARE(edit->text(), caption);
    else if (auto* panel = qobject_cast<BevelPanel*>(control))
        QCOMPARE(panel->caption(), caption);
    else if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), caption);
}

void MainWindowTest::noControlBeyondTheTable() {
    QStringList built;
    for (QWidget* control : form->findChildren<QWidget*>()) {
        // The window's own controls, not Qt's parts of them, nor the menus.
        const bool own = control->metaObject()->className()[0] != 'Q';
        if (own && !qobject_cast<QMenu*>(control))
            built << control->objectName();
    }
    QStringList named;
    for (const QStringList& cells : controlTable())
        named << cells[0].trimmed();
    built.sort();
    named.sort();
    QCOMPARE(built, named);
}

void MainWindowTest::menus() {
    QVERIFY(form->slotMenu->autoPopup());
    QVERIFY(!form->secondsMenu->autoPopup());
    const QList<QAction*> tens = form->secondsMenu->actions();
    QCOMPARE(tens.size(), 6);
    for (int d = 0; d < 6; ++d) {
        QMenu* sub = tens[d]->menu();
        QCOMPARE(sub->objectName(), "Seconds" + QString::number(d) + "1");
        QCOMPARE(sub->title(), QStringLiteral("Seconds %1+").arg(d));
        QCOMPARE(sub->actions().size(), 10);
        for (int u = 0; u < 10; ++u) {
            const QString digits = QString::number(d) + QString::number(u);
            QCOMPARE(sub->actions()[u]->objectName(), "N" + digits);
            QCOMPARE(sub->actions()[u]->text(), digits);
        }
    }
    QCOMPARE(form->clockBox->ContextMenu, form->secondsMenu);
    // Styled when first opened, submenus too.
    emit form->secondsMenu->aboutToShow();
    QCOMPARE(tens[3]->menu()->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(form->alarmBackgroundPicture->ContextMenu, form->backgroundMenu);

    QStringList visible;
    for (QAction* item : form->backgroundMenu->actions()) {
        if (item->isVisible())
            visible << item->text();
    }
    QCOMPARE(visible,
             (QStringList{"Minimize on timer", "Alarm Clock", "Processes", "Start with the desktop",
                          "Alarm 1 alert options…", "Alarm 2 alert options…"}));
    QCOMPARE(form->alarmDelayMenu->actions().size(), 9);
    QVERIFY(form->control<QAction>("N100")->isChecked());
    QVERIFY(!form->control<QAction>("N1000")->isChecked());
    QCOMPARE(form->trayColourMenu->actions().size(), 6);
    QCOMPARE(form->control<QAction>("N60sec1")->text(), QStringLiteral("60 min"));
}

void MainWindowTest::backgroundPicture() {
    const QImage picture(QStringLiteral(":/background.png"));
    QCOMPARE(picture.size(), QSize(298, 239));
    QCOMPARE(picture.pixelColor(150, 120), QColor("#7C8EBC"));
    QCOMPARE(picture.pixelColor(100, 15), QColor("#E4CA7C"));
    QCOMPARE(picture.pixelColor(100, 6), QColor("#2C2E3C"));
    QCOMPARE(picture.pixelColor(10, 15), QColor("#2C2E3C"));
    // The bevel: lighter at the top left, darker at the bottom right.
    QVERIFY(picture.pixelColor(1, 100).lightness() > QColor("#7C8EBC").lightness());
    QVERIFY(picture.pixelColor(296, 100).lightness() < QColor("#7C8EBC").lightness());
    QVERIFY(picture.pixelColor(150, 237).lightness() < QColor("#7C8EBC").lightness());
    QVERIFY(picture.pixelColor(150, 24).lightness() > QColor("#7C8EBC").lightness());
    QVERIFY(!QPixmap(QStringLiteral(":/x.png")).isNull());
    QCOMPARE(QIcon(QStringLiteral(":/icon.png")).availableSizes().value(0), QSize(16, 16));
}

void MainWindowTest::drawnColours_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("colour");

    QTest::newRow("field between the bevel and the rows") << QPoint(4, 100) << "#7c8ebc";
    QTest::newRow("title strip beside the title") << QPoint(100, 15) << "#e4ca7c";
    QTest::newRow("title label") << QPoint(13, 9) << "#e7cb7b";
    QTest::newRow("countdown row") << QPoint(8 + 62, 31 + 3) << "#e7dfad";
    QTest::newRow("time box") << QPoint(5 + 5 + 4, 31 + 4 + 20) << "#0000ff";
    QTest::newRow("Sound box, through the flat check box") << QPoint(58, 229) << "#e7dfad";
    QTest::newRow("Quit panel, through the flat button") << QPoint(126, 214) << "#decfa5";
    QTest::newRow("corner dot") << QPoint(61, 231) << "#b0c0d8";
    QTest::newRow("a row's shadow, on its last column") << QPoint(292, 40) << "#808080";
    QTest::newRow("a row's inner highlight, one in") << QPoint(291, 40) << "#ffffff";
    QTest::newRow("a row's shadow, on its last row") << QPoint(200, 63) << "#808080";
}

void MainWindowTest::drawnColours() {
    QFETCH(QPoint, at);
    QFETCH(QString, colour);
    showAndActivate();
    const QImage drawn = form->grab().toImage();
    QCOMPARE(drawn.pixelColor(at).name(), colour);
}

void MainWindowTest::firstActivationLoadsOnce() {
    showAndActivate();
    QCOMPARE(form->calls, QStringList{"load"});
    QCOMPARE(desktop->pointer, centreOf(form->quitButton) + QPoint(30, 0));
    QVERIFY(!form->State.FirstActivation);
    QCOMPARE(form->pos(), QPoint((1280 - 298) / 2, (1024 - 239) / 2));

    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(form->calls, QStringList{"load"});
    QCOMPARE(desktop->pointerMoves.size(), 1);
}

void MainWindowTest::failedLoadIsRetried() {
    // A load that ends on an error, as no file the platform gives can make
    // it: the window's own seam.
    bool fails = true;
    QStringList calls;
    QObject::disconnect(form.get(), &MainWindow::firstActivated, nullptr, nullptr);
    connect(form.get(), &MainWindow::firstActivated, this, [&] {
        calls << QStringLiteral("load");
        if (fails)
            form->settingsFailed();
    });
    showAndActivate();
    QCOMPARE(calls, QStringList{"load"});
    QVERIFY(desktop->pointerMoves.isEmpty());
    QVERIFY(form->State.FirstActivation);

    fails = false;
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(calls, (QStringList{"load", "load"}));
    QVERIFY(!form->State.FirstActivation);
}

void MainWindowTest::alarmHalfToggle() {
    showAndActivate();
    const int top = form->y();

    // Each half is of a fixed size, which tiling window managers float.
    QCOMPARE(form->minimumSize(), form->maximumSize());
    form->openAlarmHalfButton->click();
    QCOMPARE(form->width(), 596);
    QCOMPARE(form->minimumSize(), QSize(596, 239));
    QCOMPARE(form->maximumSize(), QSize(596, 239));
    QCOMPARE(form->pos(), QPoint(640 - 298, top));
    QVERIFY(form->alarmClockItem->isChecked());
    QCOMPARE(form->State.AlarmPanelOpen, 1);
    QCOMPARE(desktop->pointer, centreOf(form->closeAlarmHalfButton));
    QVERIFY(form->alarmPanel->hasFocus());

    form->closeAlarmHalfButton->click();
    QCOMPARE(form->width(), 298);
    QCOMPARE(form->pos(), QPoint(640 - 149, top));
    QVERIFY(!form->alarmClockItem->isChecked());
    QCOMPARE(form->State.AlarmPanelOpen, 0);
    QCOMPARE(desktop->pointer, centreOf(form->openAlarmHalfButton));

    // The menu item toggles the same way.
    form->alarmClockItem->trigger();
    QCOMPARE(form->width(), 596);
    QVERIFY(form->alarmClockItem->isChecked());

    // A value other than 0 or 1 only moves the focus.
    form->State.AlarmPanelOpen = 7;
    form->control<QWidget>("Panel1")->setFocus();
    const int moves = desktop->pointerMoves.size();
    form->alarmClockItem->trigger();
    QCOMPARE(form->width(), 596);
    QCOMPARE(desktop->pointerMoves.size(), moves);
    QVERIFY(form->alarmPanel->hasFocus());
}

void MainWindowTest::quitWithoutRunningSlot() {
    QSignalSpy closed(form.get(), &MainWindow::closed);
    form->quitButton->click();
    QCOMPARE(closed.count(), 1);
    QVERIFY(desktop->asked.isEmpty());
    QCOMPARE(form->calls, QStringList{"save"});
}

void MainWindowTest::quitWithRunningSlot_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");

    using A = platform::Questions::Answer;
    QTest::newRow("Yes") << "SpeedButton11" << int(A::Yes) << true;
    QTest::newRow("No") << "SpeedButton11" << int(A::No) << false;
    QTest::newRow("box closed") << "SpeedButton11" << int(A::Closed) << true;
    QTest::newRow("X button, Yes") << "SpeedButton15X" << int(A::Yes) << true;
    QTest::newRow("X button, No") << "SpeedButton15X" << int(A::No) << false;
}

void MainWindowTest::quitWithRunningSlot() {
    QFETCH(QString, button);
    QFETCH(int, answer);
    QFETCH(bool, closes);

    showAndActivate();
    const QPoint place = form->pos();
    form->calls.clear();
    form->timersModel().toggle(27);
    desktop->answers = {platform::Questions::Answer(answer)};
    bool hiddenWhileAsking = false;
    desktop->whileAsking = [&] { hiddenWhileAsking = form->isHidden(); };
    QSignalSpy closed(form.get(), &MainWindow::closed);

    this->button(button)->click();

    QCOMPARE(desktop->asked.size(), 1);
    QCOMPARE(desktop->asked[0].kind, platform::Questions::Kind::Warning);
    QCOMPARE(desktop->asked[0].title, QStringLiteral("Warning"));
    QCOMPARE(desktop->asked[0].text, QStringLiteral("Timer still in progress. Quit anyway?"));
    QVERIFY(hiddenWhileAsking);
    QCOMPARE(desktop->asked[0].pointer, platform::Questions::Button::Yes);
    QCOMPARE(closed.count(), closes ? 1 : 0);
    QCOMPARE(form->calls, closes ? QStringList{"save"} : QStringList{});
    if (!closes) {
        QVERIFY(form->isVisible());
        QCOMPARE(form->pos(), place);
        QVERIFY(form->timersModel().isRunning(27));
    }
}

void MainWindowTest::ringingSlotAsksNothing() {
    form->timersModel().expire(4);
    QSignalSpy closed(form.get(), &MainWindow::closed);
    form->quitButton->click();
    QVERIFY(desktop->asked.isEmpty());
    QCOMPARE(closed.count(), 1);
}

void MainWindowTest::closeNoSave() {
    form->timersModel().toggle(23);
    QSignalSpy closed(form.get(), &MainWindow::closed);
    form->closeNoSaveItem->trigger();
    QCOMPARE(closed.count(), 1);
    QVERIFY(desktop->asked.isEmpty());
    QVERIFY(form->calls.isEmpty());
}

void MainWindowTest::failedSaveKeepsWindow() {
    form->realSettings = true;
    showAndActivate();
    // A full disk: the file stays as it was.
    desktop->bytesFree = 0;
    QSignalSpy closed(form.get(), &MainWindow::closed);
    form->quitButton->click();
    QCOMPARE(closed.count(), 0);
    QVERIFY(form->isVisible());

    // The program goes on with the next event.
    form->pinButton->click();
    QVERIFY(desktop->onTop);
    // A close from the desktop meets the same failed save.
    QVERIFY(!form->close());
    // "Close no save" still closes.
    form->closeNoSaveItem->trigger();
    QCOMPARE(closed.count(), 1);
}

void MainWindowTest::hideButtonClosesEditor() {
    showAndActivate();
    form->part<MessageEditor>().openFor(3);
    QVERIFY(!form->control<QWidget>("Panel3")->isVisible());

    form->hideButton->click();
    QVERIFY(form->isHidden());
    QVERIFY(!form->editorPanel->isVisibleTo(form.get()));
    for (const char* name : {"Panel1", "Panel10", "Panel11", "Panel23", "Panel34", "Panel36",
                             "Panel43", "Panel20", "Panel21", "CheckBox1", "CheckBox2"})
        QVERIFY2(form->control<QWidget>(name)->isVisibleTo(form.get()), name);

    // Without the editor open a hide button only hides.
    form->show();
    form->alarmHideButton->click();
    QVERIFY(form->isHidden());
    QVERIFY(!form->editorPanel->isVisibleTo(form.get()));
}

void MainWindowTest::pinKeepsOnTop() {
    showAndActivate();
    form->pinButton->click();
    QVERIFY(form->pinButton->down());
    QVERIFY(desktop->onTop);
    form->pinButton->click();
    QVERIFY(!form->pinButton->down());
    QVERIFY(!desktop->onTop);
    QCOMPARE(desktop->onTopChanges, 2);
}

void MainWindowTest::dragByTitle_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("leftHeld");
    QTest::addColumn<int>("moves");

    QTest::newRow("picture, left") << "Image1" << int(Qt::LeftButton) << true << 1;
    QTest::newRow("right picture, left") << "Image2" << int(Qt::LeftButton) << true << 1;
    QTest::newRow("title, left") << "Label2" << int(Qt::LeftButton) << true << 1;
    QTest::newRow("alarm title, left") << "Label8" << int(Qt::LeftButton) << true << 1;
    QTest::newRow("title, right") << "Label2" << int(Qt::RightButton) << false << 0;
    QTest::newRow("picture, middle") << "Image1" << int(Qt::MiddleButton) << false << 0;
}

void MainWindowTest::dragByTitle() {
    QFETCH(QString, control);
    QFETCH(int, button);
    QFETCH(bool, leftHeld);
    QFETCH(int, moves);
    desktop->leftDown = leftHeld;
    QTest::mousePress(form->control<QWidget>(control), Qt::MouseButton(button), {}, QPoint(5, 5));
    QCOMPARE(desktop->moves, moves);
}

void MainWindowTest::rightClickOnPictureOpensMenu() {
    showAndActivate();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(50, 50),
                            form->backgroundPicture->mapToGlobal(QPoint(50, 50)));
    QCoreApplication::sendEvent(form->backgroundPicture, &click);
    QVERIFY(form->backgroundMenu->isVisible());
    form->backgroundMenu->close();

    // The seconds menu does not open until a press on an idle slot allows it.
    QContextMenuEvent onClock(QContextMenuEvent::Mouse, QPoint(5, 5),
                              form->clockBox->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(form->clockBox, &onClock);
    QVERIFY(!form->secondsMenu->isVisible());

    // A slot's menu closed by a click outside the window leaves no raised
    // frame on the slot's button.
    FlatButton* slot = form->slotButton(1);
    const auto framed = [slot] { return slot->grab().toImage().pixelColor(0, 0) == Qt::white; };
    QCursor::setPos(slot->mapToGlobal(QPoint(5, 5)));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), slot->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(slot, &enter);
    QVERIFY(framed());
    QContextMenuEvent onSlot(QContextMenuEvent::Mouse, QPoint(5, 5),
                             slot->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(slot, &onSlot);
    QVERIFY(form->slotMenu->isVisible());
    QCursor::setPos(form->mapToGlobal(QPoint(-100, -100)));
    form->slotMenu->close();
    QVERIFY(!framed());
}

void MainWindowTest::enterReleaseNeverReachesControl() {
    showAndActivate();
    form->clockBox->setFocus();
    QCOMPARE(QApplication::focusWidget(), form->clockBox);
    Recorder recorder;
    form->clockBox->installEventFilter(&recorder);

    QTest::keyPress(form->clockBox, Qt::Key_Return);
    QTest::keyRelease(form->clockBox, Qt::Key_Return);
    QTest::keyRelease(form->clockBox, Qt::Key_Enter);
    QTest::keyRelease(form->clockBox, Qt::Key_A);
    QCOMPARE(recorder.seen, (QStringList{QStringLiteral("press %1").arg(Qt::Key_Return),
                                         QStringLiteral("release %1").arg(Qt::Key_A)}));
}

void MainWindowTest::menuItemsKeepOwnCheckMarks() {
    form->minimizeOnTimerItem->trigger();
    QVERIFY(form->minimizeOnTimerItem->isChecked());
    form->minimizeOnTimerItem->trigger();
    QVERIFY(!form->minimizeOnTimerItem->isChecked());

    form->control<QAction>("N30sec1")->trigger();
    form->control<QAction>("N20sec1")->trigger();
    QStringList checked;
    for (QAction* item : form->trayColourMenu->actions()) {
        if (item->isChecked())
            checked << item->objectName();
    }
    QCOMPARE(checked, QStringList{"N20sec1"});

    // The alarm delay items do nothing when chosen.
    form->control<QAction>("N150")->trigger();
    QVERIFY(!form->control<QAction>("N150")->isChecked());
    QVERIFY(form->control<QAction>("N100")->isChecked());
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"

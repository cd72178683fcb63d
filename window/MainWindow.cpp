// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a window: start-up, activation, dragging, hiding,
// staying on top, the alarm-clock half, and quitting.
#include "MainWindow.h"
#include "LayoutRows.h"

#include "core/Colors.h"
#include "core/TimerNumbers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTimer>
#include <QToolTip>

namespace {

constexpr int kCollapsedWidth = 298;
constexpr int kExpandedWidth = 596;
constexpr int kHeight = 239;

QIcon programIcon() {
    return iconInSizes(QStringLiteral(":/icon.png"), QStringLiteral(":/icons/%1.png"));
}

// The window looks the same active or not, so that nothing in it is drawn
// again when the keyboard comes or goes.
QPalette steadyPalette(QPalette colours) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto which = QPalette::ColorRole(role);
        const QColor colour = colours.color(QPalette::Active, which);
        colours.setColor(QPalette::Active, which, colour);
        colours.setColor(QPalette::Inactive, which, colour);
    }
    colours.setColor(QPalette::Window, toQColor(clr::Background));
    return colours;
}

// The keypad's Enter is the Return key to the program.
int keyOf(const QKeyEvent* event) {
    return event->key() == Qt::Key_Enter ? Qt::Key_Return : event->key();
}

} // namespace

MainWindow::MainWindow(platform::Platform platform, Start start)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , platform_(platform)
    , start_(start) {
    setObjectName(QStringLiteral("AForm1"));
    setWindowTitle(QStringLiteral("Quorbel"));
    setAccessibleName(windowTitle());
    // On a screen finer than one device pixel to the pixel, anywhere on the
    // desktop, scalable faces and finer pictures stand in for the bitmaps.
    useBitmapFaces(qApp->devicePixelRatio() <= 1.0);
    // The window's face is the application's: Qt lays every new text box's
    // text out once in the application's face before the box takes its own,
    // and a desktop face would be loaded and sorted for fallbacks for nothing
    // the window shows. Tooltips, which show the user's messages, keep the
    // desktop's face.
    QApplication::setFont(windowFont(QStringLiteral("MS Sans Serif"), 11));
    QToolTip::setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    setPalette(steadyPalette(palette()));
    // Fixed, each half: a tiling compositor floats a window that cannot be
    // resized at the size it has, where it would otherwise stretch it over
    // the screen around a layout of fixed places.
    setFixedSize(kExpandedWidth, kHeight);
    if (start == Start::OnScreenFirst) {
        // The window goes to the screen at the size it opens with: the X
        // server maps it while the controls are built and their faces
        // loaded, and the first paint, which waits for the event loop, shows
        // them complete.
        setFixedSize(kCollapsedWidth, kHeight);
        showCentred();
    }
    if (start != Start::OnScreenFirst)
        setWindowIcon(programIcon());
    platform_.text.loadFonts(bitmapFaces());

    createMenus();
    createControls();
    registerComponents();
    connectHandlers();
    keyboard_.emplace(*this, components_, *editorPanel, *backgroundMenu);
    keyboard_->applyTabOrder();
    guard([this] { arrangeAtCreation(); });
    if (start == Start::OnScreenFirst) {
        // Controls made inside a shown window wait to be shown themselves;
        // the ones the layout hides, and the closed alarm half, were hidden
        // explicitly.
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !child->testAttribute(Qt::WA_WState_ExplicitShowHide))
                child->show();
        }
    }

    // The window sees every key before the control that has the focus.
    qApp->installEventFilter(this);
    // The keyboard starts on a panel, as after a press on a time box: a
    // blinking caret in a picker would wake the program twice a second.
    focusMainPanel();

    platform_.session.listenForEnd([this] { guard([this] { saveForSession(); }); },
                                   [this] { guard([this] { endSession(); }); });
}

void MainWindow::programReady() {
    if (start_ == Start::Background) {
        // Where a normal start puts it, for whenever it is first shown.
        centre();
        // Read now, with no window to activate; the pointer stays where
        // the user has it.
        handle([this] { loadAtFirstActivation(); });
        return;
    }
    if (start_ != Start::OnScreenFirst)
        return;
    // The window is on screen and the keyboard on its way to it: the
    // settings are read now, so that the first frame is already the user's
    // and not the defaults, repainted a moment later.
    handle([this] { loadAtFirstActivation(); });
    // The window manager takes the icon as well after the first frame; the
    // frame does not wait for its drawings.
    afterFirstFrame([this] { setWindowIcon(programIcon()); });
}

void MainWindow::afterHandler() {
    emit handled();
}

void MainWindow::lowerUnlessPinned() {
    if (!pinButton->down())
        platform_.windows.setStayOnTop(this, false);
}

void MainWindow::bringBackForAlert(int pointerY) {
    // Shown first, minimised or hidden as it may be: changing the flags of
    // a hidden window makes Qt build a new native window when it is shown
    // again.
    platform_.windows.alert(this);
    platform_.windows.setStayOnTop(this, true);
    platform_.cursor.setPos(pos() + QPoint(210, pointerY));
}

void MainWindow::restKeyboard() {
    focusMainPanel();
}

void MainWindow::afterFirstFrame(std::function<void()> work) {
    if (firstFrameDrawing_) {
        guard(work);
        return;
    }
    if (afterFirstFrame_.empty()) {
        // A window hidden before it was ever drawn has no first frame.
        QTimer::singleShot(isVisible() ? 1000 : 0, this, [this] { runAfterFirstFrame(); });
    }
    afterFirstFrame_.push_back(std::move(work));
}

void MainWindow::addTips() {
    const QString hide = tr("Hide the window; the tray icon brings it back");
    const std::pair<QWidget*, QString> tips[] = {
        {stopwatchButton, tr("Stopwatch: click to start or pause; right-click to clear")},
        {openAlarmHalfButton, tr("Show the alarm clock")},
        {closeAlarmHalfButton, tr("Hide the alarm clock")},
        {pinButton, tr("Keep the window on top of the others")},
        {hideButton, hide},
        {alarmHideButton, hide},
        {closeButton, tr("Quit")},
        {soundBox, tr("Timers that run out ring with a sound")},
        {recurBox, tr("The sound repeats every second until the timer is stopped")},
        {quitButton, tr("Quit; right-click to quit without saving")},
    };
    for (const auto& [control, tip] : tips)
        control->setToolTip(tip);
}

void MainWindow::runAfterFirstFrame() {
    firstFrameDrawing_ = true;
    for (auto& work : std::exchange(afterFirstFrame_, {}))
        guard(work);
}

MainWindow::~MainWindow() {
    platform_.session.listenForEnd({}, {});
    qApp->removeEventFilter(this);
}

void MainWindow::registerComponents() {
    components_.forgetAll();
    for (QObject* child : findChildren<QObject*>()) {
        if (!child->objectName().isEmpty())
            components_.record(child);
    }
}

void MainWindow::connectHandlers() {
    // The window's own controls; the features connect theirs.
    for (Picture* picture : {backgroundPicture, alarmBackgroundPicture})
        on(picture, &Picture::mousePressed, &MainWindow::dragByTitle);
    for (CaptionLabel* title : {titleLabel, alarmTitleLabel})
        on(title, &CaptionLabel::mousePressed, &MainWindow::dragByTitle);
    for (FlatButton* hide : {hideButton, alarmHideButton})
        on(hide, &FlatButton::clicked, &MainWindow::hideWindow);
    on(closeButton, &FlatButton::clicked, &MainWindow::quit);
    on(pinButton, &FlatButton::clicked, &MainWindow::togglePin);
    for (FlatButton* half : {openAlarmHalfButton, closeAlarmHalfButton})
        on(half, &FlatButton::clicked, &MainWindow::toggleAlarmHalf);
    on(quitButton, &FlatButton::clicked, &MainWindow::quit);
    for (CheckBox* option : {soundBox, recurBox, alarm1RecurBox})
        on(option, &CheckBox::clicked, &MainWindow::restKeyboard);
    on(clockBox, &TextBox::mousePressed, &MainWindow::pressClockBox);
    on(alarmClockItem, &MenuItem::clicked, &MainWindow::toggleAlarmHalf);
    on(closeNoSaveItem, &MenuItem::clicked, &MainWindow::closeNoSave);
}

void MainWindow::centre() {
    const QRect screen = platform_.screens.primary();
    move(screen.left() + (screen.width() - width()) / 2,
         screen.top() + (screen.height() - height()) / 2);
}

void MainWindow::showCentred() {
    centre();
    show();
    // A program the user just started is the one the keyboard goes to.
    activateWindow();
}

void MainWindow::arrangeAtCreation() {
    editorPanel->move(editorPanel->x(), 48);
    setAlarmHalfOpen(false);
}

void MainWindow::setAlarmHalfOpen(bool open) {
    setFixedSize(open ? kExpandedWidth : kCollapsedWidth, kHeight);
    for (QWidget* control :
         std::initializer_list<QWidget*>{alarmBackgroundPicture, alarmTitleLabel, alarmHideButton,
                                         closeAlarmHalfButton, clockPanel, alarmPanel})
        control->setVisible(open);
    emit alarmHalfShown(open);
}

void MainWindow::loadAtFirstActivation() {
    if (!State.FirstActivation)
        return;
    settingsFailed_ = false;
    emit firstActivated();
    if (std::exchange(settingsFailed_, false))
        throw EProgramError("the settings could not be read");
    if (start_ != Start::Background)
        centerMouse(quitButton, 30, 0);
    State.FirstActivation = false;
    emit loaded();
}

void MainWindow::saveBeforeClose() {
    if (State.CloseWithoutSaving)
        return;
    settingsFailed_ = false;
    emit closeRequested();
    if (std::exchange(settingsFailed_, false))
        throw EProgramError("the settings could not be written");
}

bool MainWindow::previewKeyUp(int key) {
    // The release of Enter never reaches a control.
    return key == Qt::Key_Return;
}

void MainWindow::dragByTitle() {
    if (platform_.cursor.leftButtonDown())
        platform_.windows.startMove(this);
}

void MainWindow::hideWindow() {
    hide();
    emit editorCancelled();
}

void MainWindow::togglePin() {
    platform_.windows.setStayOnTop(this, pinButton->down());
}

void MainWindow::toggleAlarmHalf() {
    if (State.AlarmPanelOpen == 0 || State.AlarmPanelOpen == 1) {
        const bool open = State.AlarmPanelOpen == 0;
        setAlarmHalfOpen(open);
        alarmClockItem->setChecked(open);
        const QRect screen = platform_.screens.primary();
        move(screen.left() + screen.width() / 2 - width() / 2, y());
        centerMouse(open ? closeAlarmHalfButton : openAlarmHalfButton, 0, 0);
        State.AlarmPanelOpen = open ? 1 : 0;
    }
    // A closed half takes no keyboard; it goes back to the slots.
    if (!alarmPanel->isHidden())
        alarmPanel->setFocus();
    else
        focusMainPanel();
}

void MainWindow::quit() {
    if (timersRunning_) {
        hide();
        const auto answer = platform_.questions.ask(
            platform::Questions::Kind::Warning, tr("Warning"),
            tr("Timer still in progress. Quit anyway?"), platform::Questions::Button::Yes);
        if (answer == platform::Questions::Answer::No) {
            platform_.windows.show(this);
            return;
        }
    }
    close();
}

void MainWindow::closeNoSave() {
    State.CloseWithoutSaving = true;
    close();
}

void MainWindow::endSession() {
    sessionEnding_ = true;
    // A close already under way, held by one of its questions, finishes
    // with the save once the platform has answered the question.
    if (!closing_)
        close();
}

void MainWindow::saveForSession() {
    sessionEnding_ = true;
    saveBeforeClose();
}

bool MainWindow::quitUnsaved() {
    const auto answer = platform_.questions.ask(platform::Questions::Kind::Warning, tr("Warning"),
                                                tr("Settings could not be saved. Quit anyway?"),
                                                platform::Questions::Button::Yes);
    // The desktop ended the program while the user was asked: the save it
    // owes is tried once more, and the program ends whatever it gives.
    if (sessionEnding_) {
        guard([this] { saveBeforeClose(); });
        return true;
    }
    if (answer == platform::Questions::Answer::Yes) {
        State.CloseWithoutSaving = true;
        return true;
    }
    // Quit may have hidden the window for its own question.
    if (isHidden())
        platform_.windows.show(this);
    return false;
}

void MainWindow::centerMouse(QWidget* button, int dx, int dy) {
    const QPoint centre = button->mapToGlobal(QPoint(button->width() / 2, button->height() / 2));
    platform_.cursor.setPos(centre + QPoint(dx, dy));
}

void MainWindow::focusMainPanel() {
    if (!keyboard_->keepsKeyboard(QApplication::focusWidget()))
        slotPanel(timer::FirstCountdown)->setFocus();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        handle([this] { loadAtFirstActivation(); });
    QWidget::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A close asked for again once the window has closed for good, such as
    // the quit question's Yes after an end from the desktop, has nothing
    // left to do.
    if (closed_) {
        event->accept();
        return;
    }
    const QScopedValueRollback<bool> closing(closing_, true);
    bool closes = true;
    if (!guard([this] { saveBeforeClose(); })) {
        // The settings could not be written. An end from the desktop goes
        // on regardless; otherwise the user decides.
        closes = sessionEnding_;
        if (!closes)
            guard([&] { closes = quitUnsaved(); });
    }
    if (!closes) {
        event->ignore();
        return;
    }
    event->accept();
    closed_ = true;
    emit closed();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress)
        keyboard_->leaveKeyboardMode(watched);
    if (type == QEvent::ContextMenu)
        return keyboardMenu(watched, *static_cast<QContextMenuEvent*>(event));
    if (type == QEvent::Paint && !afterFirstFrame_.empty() && !firstFrameDrawing_) {
        // Once the frame being drawn has gone to the screen.
        firstFrameDrawing_ = true;
        QTimer::singleShot(0, this, [this] { runAfterFirstFrame(); });
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);

    // A key event travels from the focused control up through its parents,
    // and the filter sees every step; the window previews it once, on the
    // step addressed to the control that has the focus.
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this)
        focus = this;
    if (watched != focus)
        return false;

    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyOf(keyEvent);
    // A key taken on the way never reaches the control.
    bool taken = false;
    if (type == QEvent::KeyRelease) {
        guard([&] { taken = previewKeyUp(key); });
        return taken;
    }
    // The program's look first, then the keys that stand in for the mouse.
    guard([&] { emit keyPressed(watched, key); });
    guard([&] { taken = keyboardKey(focus, *keyEvent); });
    afterHandler();
    return taken;
}

bool MainWindow::keyboardKey(QWidget* focus, const QKeyEvent& key) {
    switch (keyboard_->keyboardKey(focus, key)) {
    case Keyboard::Key::Passed:
        return false;
    case Keyboard::Key::Taken:
        return true;
    case Keyboard::Key::LeavesEditor:
        emit editorCancelled();
        return true;
    }
    return false;
}

bool MainWindow::keyboardMenu(QObject* watched, const QContextMenuEvent& event) {
    QWidget* control = keyboard_->keyboardMenuFor(watched, event);
    if (control)
        handle([&] { keyboard_->openMenuFor(control); });
    return control;
}

BevelPanel* MainWindow::slotPanel(int n) const {
    return components_.find<BevelPanel>(layout::timerPanelName(n));
}

TextBox* MainWindow::slotEdit(int n) const {
    return components_.find<TextBox>(layout::timerBoxName(n));
}

FlatButton* MainWindow::slotButton(int n) const {
    return components_.find<FlatButton>(layout::timerButtonName(n));
}

void MainWindow::pressClockBox() {
    // The time boxes are never typed into.
    focusMainPanel();
}

QList<MenuItem*> MainWindow::secondsItems() const {
    QList<MenuItem*> items;
    for (QAction* tens : secondsMenu->actions()) {
        if (QMenu* submenu = tens->menu()) {
            for (QAction* item : submenu->actions()) {
                if (auto* seconds = qobject_cast<MenuItem*>(item))
                    items << seconds;
            }
        }
    }
    return items;
}

QList<QWidget*> MainWindow::underEditor() const {
    QList<QWidget*> covered;
    for (const QString& name : layout::panelsUnderEditor())
        covered << components_.find<QWidget>(name);
    return covered;
}

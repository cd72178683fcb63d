// SPDX-License-Identifier: GPL-3.0-or-later
// The window's part in a timer's life: a click starts, stops or
// acknowledges it; a start may put the window away; a stop releases what
// the alert held. And the message editor, which sets a countdown's hours,
// minutes and message.
#include "TimerRows.h"
#include "core/Convert.h"
#include "models/Prefs.h"
#include "tray/TrayIcon.h"
#include "window/MainWindow.h"

namespace {

bool IsCountdown(int N) {
    return N >= slot::FirstCountdown && N <= slot::LastCountdown;
}

} // namespace

void MainWindow::ConnectTimers() {
    // The timers' rows show the model first; the window's part follows.
    rows_ = new TimerRows(timers_, components_, this);
    connect(rows_, &TimerRows::Clicked, this, [this](int n) { Handle([&] { ToggleSlot(n); }); });
    connect(rows_, &TimerRows::EditAsked, this,
            [this](int n) { Handle([&] { OpenMessageEditor(n); }); });
    connect(rows_, &TimerRows::TimeBoxPressed, this,
            [this] { Guard([this] { FocusMainPanel(); }); });
    connect(&timers_, &Timers::Started, this, [this](int n) { Guard([&] { TimerStarted(n); }); });
    connect(&timers_, &Timers::Expired, this, [this](int n) { Guard([&] { TimerExpired(n); }); });
    connect(&timers_, &Timers::Cleared, this, [this](int n) { Guard([&] { TimerCleared(n); }); });
    connect(&timers_, &Timers::LastMinute, this, [this](int, const QString& number) {
        Guard([&] {
            trayIcon->SetAnimated(false);
            trayIcon->LoadIcon(number);
            State.TrayIconFixed = true;
        });
    });
    connect(&timers_, &Timers::LastSecond, this, [this] {
        Guard([&] {
            trayIcon->LoadIcon(QStringLiteral("M7"));
            State.TrayIconFixed = false;
        });
    });
}

BevelPanel* MainWindow::SlotPanel(int N) const {
    return rows_->Panel(N);
}

TextBox* MainWindow::SlotEdit(int N) const {
    return rows_->Box(N);
}

FlatButton* MainWindow::SlotButton(int N) const {
    return rows_->Button(N);
}

void MainWindow::PressClockBox(QObject*, Qt::MouseButton, QPoint) {
    // The time boxes are never typed into.
    FocusMainPanel();
    rows_->ForgetPress();
}

void MainWindow::ToggleSlot(int N) {
    if (!slot::IsSlot(N))
        return;
    // An alert put the window on top; a click takes it down again unless
    // the user pinned it there.
    if (!pinButton->Down())
        platform_.windows.SetStayOnTop(this, false);
    timers_.Toggle(N);
}

void MainWindow::TimerStarted(int N) {
    trayIcon->SetAnimated(true);
    Announce(N);
    if (minimizeOnTimerItem->isChecked())
        hide();
}

void MainWindow::TimerCleared(int N) {
    WithdrawNotification(N);
    ReleaseTrayNumber();
    if (!timers_.AnyRinging())
        alertTimer->SetInterval(0);
}

void MainWindow::OpenMessageEditor(int N) {
    if (!IsCountdown(N))
        return;
    editorSlot_ = N;
    // The editor's cover panels lie over the picker.
    editorPicker->lower();
    rows_->HidePopup();
    ShowSlotRows(false);
    editorPanel->show();
    editorPanel->move(editorPanel->x(), 72);

    // The button shows at most the first 30 characters of the message; the
    // editor offers the whole message as saved, so that storing it again
    // loses nothing.
    const QString caption = timers_.Caption(N);
    const QString saved = settings_.Prefs().Line(N).mid(8);
    messageEdit->setText(saved.startsWith(caption) ? saved : caption);
    messageEdit->setFocus();
    messageEdit->selectAll();

    // The picker's minutes and seconds stand for the slot's hours and minutes.
    editorPicker->SetTime(StrToTime(QStringLiteral("12:") + settings_.Prefs().Line(N).left(5)));
}

void MainWindow::StoreMessage(QObject*) {
    // The editor's slot, whatever the mouse touched since it opened.
    const int N = editorSlot_;
    if (!IsCountdown(N))
        return;
    // Digits typed into a field count even while the field still has the
    // keyboard, which the OK button never takes.
    editorPicker->interpretText();
    CloseMessageEditor();
    timers_.Edit(N, TimeToStr(editorPicker->time()).mid(3, 5), messageEdit->text());
}

void MainWindow::CloseMessageEditor() {
    ShowSlotRows(true);
    FocusMainPanel();
    editorPanel->hide();
    // A keyboard that opened the editor goes back to the slot it was for.
    if (IsCountdown(editorSlot_))
        ReturnKeyboardTo(SlotButton(editorSlot_));
}

bool MainWindow::MessageKeyPress(int key) {
    if (key != Qt::Key_Return)
        return false;
    StoreMessage(messageEdit);
    State.EnterHandled = false;
    return true;
}

void MainWindow::ClearEditorTime(QObject*) {
    const int N = editorSlot_;
    if (!IsCountdown(N))
        return;
    editorPicker->SetTime(StrToTime(QStringLiteral("12:00:00")));
    timers_.ZeroSeconds(N);
}

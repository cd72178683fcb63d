// SPDX-License-Identifier: GPL-3.0-or-later
// What the user does to a countdown slot: start, stop and acknowledge it
// with a click, set its hours, minutes and message in the editor, and its
// seconds from the seconds menu. Every change goes straight into the slot's
// saved line.
#include "SlotTime.h"
#include "app/MainWindow.h"
#include "core/Colors.h"
#include "core/Convert.h"
#include "core/SlotFlags.h"
#include "models/Prefs.h"
#include "tray/TrayIcon.h"

namespace {

bool IsCountdown(int N) {
    return N >= slot::FirstCountdown && N <= slot::LastCountdown;
}

// A caption shorter than 13 characters is centred; a longer one starts at
// the left edge, so that its beginning shows.
int MarginFor(const QString& caption) {
    return caption.size() < 13 ? -1 : 1;
}

} // namespace

void MainWindow::ClearCountdownSlot(int N) {
    FlatButton* button = SlotButton(N);
    button->SetTag(slot::Cleared(button->Tag()));
    button->SetFontColor(clr::Navy);
    SlotPanel(N)->SetColor(clr::Background);
    SlotEdit(N)->SetColor(clr::Blue);
    SlotEdit(N)->setText(settings_.Prefs().Line(N).left(8));
    WithdrawNotification(N);
}

void MainWindow::SlotButtonClick(QObject*) {
    const int N = CurrentSlot();
    if (IsCountdown(N))
        ToggleSlot(N);
}

void MainWindow::ToggleSlot(int N) {
    if (slot::IsQuick(N)) {
        ToggleQuickSlot(N);
        return;
    }
    if (!IsCountdown(N))
        return;
    // An alert put the window on top; a click takes it down again unless
    // the user pinned it there.
    if (!pinButton->Down())
        platform_.windows.SetStayOnTop(this, false);

    FlatButton* button = SlotButton(N);
    if (button->Tag() & (slot::Running | slot::Ringing)) {
        ClearCountdownSlot(N);
        ReleaseTrayNumber();
        if (!AnySlotRinging())
            alertTimer->SetInterval(0);
        return;
    }
    // Nothing to count down: a zero time, or one that is no time at all.
    const auto time = SlotTime::Parse(SlotEdit(N)->text());
    if (!time || time->IsZero())
        return;
    trayIcon->SetAnimated(true);
    button->SetTag(slot::Started(button->Tag()));
    SlotEdit(N)->SetColor(clr::Red);
    Announce(N);
    if (minimizeOnTimerItem->isChecked())
        hide();
}

void MainWindow::OpenMessageEditor(QObject*) {
    const int N = CurrentSlot();
    if (!IsCountdown(N))
        return;
    editorSlot_ = N;
    // The editor's cover panels lie over the picker.
    editorPicker->lower();
    timeLeftPopup->hide();
    ShowSlotRows(false);
    editorPanel->show();
    editorPanel->move(editorPanel->x(), 72);

    // The button shows at most the first 30 characters of the message; the
    // editor offers the whole message as saved, so that storing it again
    // loses nothing.
    const QString caption = SlotButton(N)->text();
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

    TextBox* box = SlotEdit(N);
    const QString seconds = box->text().mid(6, 2);
    const QString hoursMinutes = TimeToStr(editorPicker->time()).mid(3, 5);
    box->setText(hoursMinutes + u':' + seconds);
    const QString message = SingleLineMessage(messageEdit->text());
    FlatButton* button = SlotButton(N);
    button->setText(message);
    button->SetMargin(MarginFor(message));
    settings_.Prefs().SetLine(N, hoursMinutes + u':' + seconds + message);
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
    TextBox* box = SlotEdit(N);
    box->setText(box->text().left(6) + QStringLiteral("00") + box->text().mid(8));
}

void MainWindow::ChooseSeconds(QObject* Sender) {
    // The clock's box shares the seconds menu but is no slot.
    const int N = CurrentSlot();
    if (!IsCountdown(N))
        return;
    State.LastSecondsItemName = Sender->objectName();
    TextBox* box = SlotEdit(N);
    box->setText(box->text().left(6) + State.LastSecondsItemName.mid(1, 2) + box->text().mid(8));
    // The saved message, not the caption, which shows only its first 30
    // characters.
    settings_.Prefs().SetLine(N, box->text() + settings_.Prefs().Line(N).mid(8));
}

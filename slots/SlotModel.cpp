// SPDX-License-Identifier: GPL-3.0-or-later
// The slots' vocabulary: their controls by composed name, their flags, and
// the slot the mouse last touched.
#include "SlotTime.h"
#include "app/MainWindow.h"

#include "core/Convert.h"
#include "core/SlotFlags.h"
#include <algorithm>

QWidget* MainWindow::FindSlotControl(const QString& prefix, int N) const {
    return Find<QWidget>(prefix + QString::number(N));
}

BevelPanel* MainWindow::SlotPanel(int N) const {
    return Find<BevelPanel>(QStringLiteral("Panel") + QString::number(N));
}

TextBox* MainWindow::SlotEdit(int N) const {
    return Find<TextBox>(QStringLiteral("Edit") + QString::number(N));
}

FlatButton* MainWindow::SlotButton(int N) const {
    if (N < 0 || std::size_t(N) >= slotButtons_.size())
        return Find<FlatButton>(QStringLiteral("SpeedButton") + QString::number(N));
    FlatButton*& button = slotButtons_[std::size_t(N)];
    if (!button)
        button = Find<FlatButton>(QStringLiteral("SpeedButton") + QString::number(N));
    return button;
}

bool MainWindow::AnySlotRunning() const {
    bool running = false;
    slot::ForEachSlot([&](int n) { running = running || (SlotButton(n)->Tag() & slot::Running); });
    return running;
}

bool MainWindow::AnySlotRinging() const {
    bool ringing = false;
    slot::ForEachSlot([&](int n) { ringing = ringing || (SlotButton(n)->Tag() & slot::Ringing); });
    return ringing;
}

int MainWindow::CurrentSlot() const {
    return StrToInt(DigitsOf(State.CurrentSlotName));
}

void MainWindow::PointAtSlotButton(QObject* Sender, QPoint) {
    State.CurrentSlotName = Sender->objectName();
}

void MainWindow::PressSlotButton(QObject* Sender, Qt::MouseButton, QPoint) {
    State.CurrentSlotName = Sender->objectName();
    // A busy slot offers no message menu.
    slotMenu->SetAutoPopup(static_cast<FlatButton*>(Sender)->Tag() == 0);
}

void MainWindow::PressTimeBox(QObject* Sender, Qt::MouseButton, QPoint) {
    // The time boxes are never typed into.
    FocusMainPanel();
    State.CurrentSlotName = Sender->objectName();
    const auto* button =
        Find<FlatButton>(QStringLiteral("SpeedButton") + DigitsOf(State.CurrentSlotName));
    secondsMenu->SetAutoPopup(button->Tag() == 0);
}

QString MainWindow::SlotLabel(int N) const {
    if (slot::IsQuick(N))
        return QStringLiteral("Quick timer %1 min").arg(SlotButton(N)->text());
    const QString message = SlotButton(N)->text().trimmed();
    return message.isEmpty() ? QStringLiteral("Timer %1").arg(N) : message;
}

QList<MainWindow::RunningTimer> MainWindow::RunningTimers() const {
    QList<RunningTimer> running;
    slot::ForEachSlot([&](int n) {
        if (!(SlotButton(n)->Tag() & slot::Running))
            return;
        int left = 0;
        if (slot::IsQuick(n)) {
            left = State.QuickRemaining(n);
        } else if (const auto time = SlotTime::Parse(SlotEdit(n)->text())) {
            left = time->hours * 3600 + time->minutes * 60 + time->seconds;
        }
        running.append({n, SlotLabel(n), left});
    });
    std::stable_sort(running.begin(), running.end(),
                     [](const RunningTimer& a, const RunningTimer& b) { return a.left < b.left; });
    return running;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The alert of a slot that ran out: it flashes and sounds once a second
// until Enter or a click acknowledges it.
#include "TimerRows.h"
#include "core/Colors.h"
#include "core/UserFiles.h"
#include "window/MainWindow.h"

namespace {

struct FlashLook {
    int background;
    int font;
};

// The two colourings that alternate; phase 0 paints red, any other blue.
FlashLook FlashFor(int& phase) {
    if (phase == 0) {
        phase = 1;
        return {clr::Red, clr::Navy};
    }
    phase = 0;
    return {clr::Blue, clr::Yellow};
}

} // namespace

void MainWindow::FlashAndSound(QObject*) {
    State.EnterHandled = true;

    const FlashLook countdown = FlashFor(State.CountdownFlashPhase);
    for (int n = slot::FirstCountdown; n <= slot::LastCountdown; ++n) {
        if (timers_.IsRinging(n))
            rows_->Paint(n, countdown.background, countdown.font);
    }
    const FlashLook quick = FlashFor(State.QuickFlashPhase);
    for (int n = slot::FirstQuick; n <= slot::LastQuick; ++n) {
        if (timers_.IsRinging(n))
            rows_->Paint(n, quick.background, quick.font);
    }

    if (soundBox->isChecked()) {
        if (recurBox->isChecked()) {
            PlayAlertSound(file::RepeatSound);
        } else {
            if (State.EndSoundPending == 1)
                PlayAlertSound(file::EndSound);
            State.EndSoundPending = 0;
        }
    }
    State.AlertActive = 1;
}

void MainWindow::AcknowledgeRingingSlots(int key) {
    if (State.AlertActive != 1 || key != Qt::Key_Return)
        return;
    if (!pinButton->Down())
        platform_.windows.SetStayOnTop(this, false);
    timers_.AcknowledgeAll();
    State.AlertActive = 0;
}

void MainWindow::SoundOptionClick(QObject*) {
    alertTimer->SetInterval(0);
    FocusMainPanel();
}

void MainWindow::PlayAlertSound(const QString& name) {
    // Where the user puts them, or else the installed ones.
    platform_.sound.Play(files_.Read(name));
}

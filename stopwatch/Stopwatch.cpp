// SPDX-License-Identifier: GPL-3.0-or-later
// The stopwatch on the "SW" button, and the clock in the alarm half.
#include "core/Convert.h"
#include "window/MainWindow.h"

namespace {

QFont RestLook() {
    return DesignFont(QStringLiteral("Small Fonts"), 8);
}

QFont CountingLook() {
    return DesignFont(QStringLiteral("MS Sans Serif"), 11, true);
}

} // namespace

void MainWindow::ToggleStopwatch(QObject*) {
    stopwatch_.Toggle();
}

void MainWindow::ClearStopwatch(QObject*) {
    stopwatch_.Clear();
}

void MainWindow::ShowStopwatch() {
    stopwatchButton->setText(stopwatch_.Text());
    const QFont look = stopwatch_.AtRest() ? RestLook() : CountingLook();
    if (stopwatchButton->font() != look)
        stopwatchButton->setFont(look);
}

void MainWindow::ClockStep() {
    // Nobody sees the clock while the alarm half is closed; it is set the
    // moment the half opens.
    if (clockPanel->isHidden())
        return;
    // Measured on the text of the tick before, so a change between a narrow
    // and a wide time shows one tick late; the blank shifts a narrow one.
    const bool narrow = platform_.text.Width(font(), clockBox->text()) <= 60;
    const QString now = TimeToStr(platform_.clock.TimeOfDay());
    clockBox->setText(narrow ? QLatin1Char(' ') + now : now);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The stopwatch on the "SW" button, and the clock in the alarm half. The
// stopwatch counts the seconds that really passed, a minute's worth of a
// day for each, so that its "h:mm" reads as minutes and seconds.
#include "app/MainWindow.h"
#include "core/Convert.h"

namespace {

// Just under 1/1440 of a day, a minute's worth, which "h:mm" shows as
// minutes and seconds.
constexpr double kStep = 0.000694444444444;

QFont ResetLook() {
    return DesignFont(QStringLiteral("Small Fonts"), 8);
}

QFont RunningLook() {
    return DesignFont(QStringLiteral("MS Sans Serif"), 11, true);
}

} // namespace

void MainWindow::SpeedButton35Click(QObject*) {
    if (State.StopwatchToggle == 0) {
        State.StopwatchRunning = true;
        if (SpeedButton35->text() == QLatin1String("SW"))
            SpeedButton35->setText(QStringLiteral("0.00"));
        SpeedButton35->setFont(RunningLook());
        State.StopwatchToggle = 1;
    } else {
        State.StopwatchRunning = false;
        State.StopwatchToggle = 0;
    }
}

void MainWindow::Clear1Click(QObject*) {
    if (State.StopwatchRunning) {
        SpeedButton35->setText(QStringLiteral("0.00"));
    } else {
        SpeedButton35->setText(QStringLiteral("SW"));
        SpeedButton35->setFont(ResetLook());
    }
    State.StopwatchValue = 0.0;
}

void MainWindow::StopwatchStep(int seconds) {
    if (!State.StopwatchRunning)
        return;
    State.StopwatchValue += kStep * seconds;
    SpeedButton35->setText(HMmOfDays(State.StopwatchValue));
}

void MainWindow::ClockStep() {
    // Nobody sees the clock while the alarm half is closed; it is set the
    // moment the half opens.
    if (Panel19->isHidden())
        return;
    // Measured on the text of the tick before, so a change between a narrow
    // and a wide time shows one tick late; the blank shifts a narrow one.
    const bool narrow = platform_.text.Width(font(), Edit12->text()) <= 60;
    const QString now = TimeToStr(platform_.clock.TimeOfDay());
    Edit12->setText(narrow ? QLatin1Char(' ') + now : now);
}

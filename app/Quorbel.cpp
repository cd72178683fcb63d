// SPDX-License-Identifier: GPL-3.0-or-later
#include "Quorbel.h"

#include "tray/TrayIcon.h"

namespace {

bool IsCountdown(int n) {
    return n >= slot::FirstCountdown && n <= slot::LastCountdown;
}

} // namespace

Quorbel::Quorbel(platform::Platform platform, MainWindow& window)
    : QObject(&window)
    , platform_(platform)
    , window_(window)
    , timers_(window.TimersModel())
    , rows_(timers_, window.Controls(), this)
    , flasher_(timers_, rows_,
               {window.alertTimer, window.soundBox, window.recurBox, window.alarm1RecurBox},
               platform.sound, window.Files(), this)
    , editor_(timers_, window.Settings(), window.Controls(),
              {window.editorPanel,
               window.messageEdit,
               window.editorPicker,
               window.editorOkButton,
               window.editorClearButton,
               {window.soundStrip, window.recurStrip, window.soundBox, window.recurBox},
               {window.quitPanel, window.soundStrip, window.recurStrip, window.soundBox,
                window.recurBox}},
              this)
    , counted_(platform.clock.SinceBoot()) {
    ConnectTimers();
    ConnectEditor();
    connect(window.tickTimer, &IntervalTimer::Timer, this, [this] { Handle([this] { Tick(); }); });
    window.SetKeyPreview([this](QObject* watched, int key) { return PreviewKey(watched, key); });
    window.Started();
}

void Quorbel::ConnectTimers() {
    connect(&rows_, &TimerRows::Clicked, this, [this](int n) { Handle([&] { ToggleTimer(n); }); });
    connect(&rows_, &TimerRows::EditAsked, this, [this](int n) {
        Handle([&] {
            rows_.HidePopup();
            editor_.Open(n);
        });
    });
    connect(&rows_, &TimerRows::TimeBoxPressed, this,
            [this] { Guard([this] { window_.FocusMainPanel(); }); });
    connect(&timers_, &Timers::Started, this, [this](int n) {
        Guard([&] {
            window_.trayIcon->SetAnimated(true);
            window_.Announce(n);
            window_.MinimizeOnTimer();
        });
    });
    connect(&timers_, &Timers::Expired, this, [this](int n) {
        Guard([&] {
            if (editor_.IsOpen())
                editor_.CloseForAlert();
            flasher_.StartForTimer();
            window_.BringBackForAlert(slot::IsQuick(n) ? 190 : 220);
            window_.NotifyExpiry(n);
            window_.Announce(n);
        });
    });
    connect(&timers_, &Timers::Cleared, this, [this](int n) {
        Guard([&] {
            window_.WithdrawNotification(n);
            window_.ReleaseTrayNumber();
            flasher_.StopIfNoneRings();
        });
    });
    connect(&timers_, &Timers::LastMinute, this,
            [this](int, const QString& number) { Guard([&] { window_.ShowTrayNumber(number); }); });
    connect(&timers_, &Timers::LastSecond, this,
            [this] { Guard([&] { window_.ShowTrayNumber({}); }); });
    connect(&flasher_, &AlertFlasher::Beat, this, [this] { window_.State.EnterHandled = true; });
}

void Quorbel::ConnectEditor() {
    connect(&editor_, &MessageEditor::Closing, this, [this](int n) {
        Guard([&] {
            window_.FocusMainPanel();
            // A keyboard that opened the editor goes back to the slot it was for.
            if (IsCountdown(n))
                window_.ReturnKeyboardTo(rows_.Button(n));
        });
    });
    connect(&window_, &MainWindow::EditorCancelled, this, [this] {
        Guard([this] {
            if (editor_.IsOpen())
                editor_.Close();
        });
    });
}

void Quorbel::ToggleTimer(int n) {
    window_.ToggleSlot(n);
}

void Quorbel::Tick() {
    // The seconds that really passed since the last tick, suspend included:
    // after a stall every timer shows what is really left. Counted against
    // the whole run, so that a tick late by a fraction is made up later.
    const qint64 now = platform_.clock.SinceBoot();
    const int seconds = int(qBound<qint64>(0, qRound64((now - counted_) / 1000.0), kLongestGap));
    counted_ = seconds < kLongestGap ? counted_ + 1000 * qint64(seconds) : now;

    window_.StopwatchModel().Advance(seconds);
    window_.ClockStep();
    window_.Alarm1Check();
    window_.Alarm2Check();

    // Seen before the countdowns below, so a timer running out in this tick
    // still counts as running.
    window_.AnimateTray(timers_.AnyRunning());
    timers_.TickCountdowns(seconds);
    window_.ReleaseTrayNumber();
    timers_.TickQuickTimers(seconds);

    rows_.AgePopup();
    window_.UpdateTrayHint();
}

bool Quorbel::PreviewKey(QObject* watched, int key) {
    if (key == Qt::Key_Return && flasher_.Flashed()) {
        window_.LowerUnlessPinned();
        flasher_.Acknowledge();
    }
    window_.SilenceAlarms(key);
    if (watched != editor_.MessageBox() || key != Qt::Key_Return)
        return false;
    Guard([this] { editor_.Store(); });
    window_.State.EnterHandled = false;
    return true;
}

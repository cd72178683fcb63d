// SPDX-License-Identifier: GPL-3.0-or-later
#include "Quorbel.h"

#include <QDateTime>
#include <QTimer>

namespace {

// The window's controls each feature owns.
TimerRows::Controls RowControls(const MainWindow& window) {
    TimerRows::Controls controls{{},
                                 window.slotMenu,
                                 window.secondsMenu,
                                 window.editMessageItem,
                                 window.SecondsItems(),
                                 window.timeLeftPopup};
    slot::ForEachSlot([&](int n) {
        controls.rows[std::size_t(n)] = {window.SlotPanel(n),
                                         slot::IsCountdown(n) ? window.SlotEdit(n) : nullptr,
                                         window.SlotButton(n)};
    });
    return controls;
}

MessageEditor::Controls EditorControls(const MainWindow& window) {
    QList<QWidget*> timerPanels;
    slot::ForEachSlot([&](int n) { timerPanels << window.SlotPanel(n); });
    return {
        window.editorPanel,
        window.messageEdit,
        window.editorPicker,
        window.editorOkButton,
        window.editorClearButton,
        window.UnderEditor() +
            QList<QWidget*>{window.soundStrip, window.recurStrip, window.soundBox, window.recurBox},
        timerPanels,
        {window.quitPanel, window.soundStrip, window.recurStrip, window.soundBox, window.recurBox}};
}

AlarmPanel::Controls AlarmControls(const MainWindow& window) {
    return {{window.alarm1OnOff, window.alarm2OnOff},
            {window.alarm1OnOffPanel, window.alarm2OnOffPanel},
            {window.alarm1AmPm, window.alarm2AmPm},
            {window.alarm1Picker, window.alarm2Picker},
            window.copyAlarm1Button,
            window.copyAlarm2Button,
            window.testAlarmButton,
            window.alarm1RecurBox,
            window.SnoozeButtons(),
            window.snoozeTimer};
}

SettingsFile::Controls OptionControls(const MainWindow& window) {
    return {window.soundBox,       window.recurBox,       window.minimizeOnTimerItem,
            window.alarm1RecurBox, window.alarmClockItem, window.startOnBox,
            window.alarmDelayMenu, window.trayColourMenu};
}

ScreenReader::Controls ReaderControls(const MainWindow& window) {
    return {window.pinButton,
            window.openAlarmHalfButton,
            window.alarmPanel,
            window.stopwatchButton,
            {window.alarm1Picker, window.alarm2Picker},
            {window.alarm1AmPm, window.alarm2AmPm},
            {window.alarm1OnOff, window.alarm2OnOff},
            window.SnoozeButtons()};
}

} // namespace

HandlerEntry Quorbel::Entry() {
    return [this](const std::function<void()>& handler) { Handle(handler); };
}

Quorbel::Quorbel(platform::Platform platform, MainWindow& window)
    : QObject(&window)
    , platform_(platform)
    , window_(window)
    , files_(platform.files.ExecutableDir(), platform.files.ConfigHome())
    , rows_(timers_, RowControls(window), Entry(), this)
    , flasher_(timers_, rows_,
               {window.alertTimer, window.soundBox, window.recurBox, window.alarm1RecurBox},
               platform.sound, files_, Entry(), this)
    , editor_(timers_, settings_, EditorControls(window), Entry(), this)
    , stopwatchButton_(stopwatch_, window.stopwatchButton, window.clearStopwatchItem, Entry(), this)
    , clock_(platform, window.clockPanel, window.clockBox)
    , alarmPanel_(alarms_, settings_, flasher_, platform.clock, AlarmControls(window), Entry(),
                  this)
    , notifier_(timers_, alarms_, platform.notifications, Entry(), this)
    , commands_(timers_, platform.instance, Entry(), this)
    , settingsFile_(settings_, timers_, alarms_, alarmPanel_, platform, files_,
                    OptionControls(window), this)
    , tray_(timers_, window, platform, Entry(), this)
    , scheduler_(window, window.scheduleTimer, window.processesItem, files_, platform, Entry(),
                 this)
    , reader_(window, rows_, timers_, stopwatch_, settings_, ReaderControls(window), this)
    , journal_(
          timers_, stopwatch_, alarms_, platform, files_, [this] { return Now(); },
          [this] { return alarmPanel_.SnoozeMs(); }, this)
    , autostart_(platform.autostart, platform.questions, window.startWithDesktopItem, Entry(), this)
    , tunedAlerts_(alertOptions_, timers_, platform.sound, this)
    , alertTuner_(alertOptions_, tunedAlerts_, timers_, window, platform, files_, this)
    , counted_(platform.clock.SinceBoot()) {
    window.SetTimersRunning([this] { return timers_.AnyRunning(); });
    window.SetAfterHandler([this] {
        Guard([this] { reader_.Describe(); });
        Guard([this] { tray_.Settle(); });
    });
    window.AfterFirstFrame([this] {
        reader_.AddTips();
        window_.AddTips();
        autostart_.Show();
    });
    if (tray_.WaitsForFirstFrame())
        window.AfterFirstFrame([this] { tray_.ShowAfterFirstFrame(); });
    connect(&tray_, &TrayPresence::QuitAsked, this, [this] { window_.Quit(window_.quitButton); });
    connect(&tray_, &TrayPresence::StopAsked, this, [this](int n) { ToggleTimer(n); });
    ConnectTimers();
    ConnectEditor();
    ConnectAlarms();
    ConnectCommands();
    ConnectJournal();
    ConnectAlerts();
    ConnectAlertActions();
    window.SetSettingsHooks([this] { settingsFile_.Load(); },
                            [this] { settingsFile_.Save(window_.SessionEnding()); });
    connect(window.tickTimer, &IntervalTimer::Timer, this, [this] { Handle([this] { Tick(); }); });
    connect(&window, &MainWindow::AlarmHalfOpened, this,
            [this] { Guard([this] { clock_.Show(); }); });
    window.SetKeyPreview([this](QObject* watched, int key) { return PreviewKey(watched, key); });
}

void Quorbel::ConnectTimers() {
    connect(&rows_, &TimerRows::Clicked, this, [this](int n) { Handle([&] { ToggleTimer(n); }); });
    connect(&rows_, &TimerRows::EditAsked, this, [this](int n) {
        Handle([&] {
            rows_.HidePopup();
            editor_.Open(n);
        });
    });
    connect(&rows_, &TimerRows::TimeBoxPressed, this, [this] { window_.FocusMainPanel(); });
    // The clock's box shares the seconds menu but is no timer's: what it
    // opens sets nothing.
    connect(window_.clockBox, &TextBox::MouseDown, this, [this] { rows_.ForgetPress(); });
    connect(&timers_, &Timers::Started, this, [this](int n) {
        Guard([&] {
            tray_.TimerStarted();
            reader_.Announce(n);
            window_.MinimizeOnTimer();
        });
    });
    connect(&timers_, &Timers::Expired, this, [this](int n) {
        Guard([&] {
            if (editor_.IsOpen())
                editor_.CloseForAlert();
            flasher_.StartForTimer();
            window_.BringBackForAlert(slot::IsQuick(n) ? 190 : 220);
            notifier_.TimerRang(n);
            reader_.Announce(n);
        });
    });
    connect(&timers_, &Timers::Cleared, this, [this](int n) {
        Guard([&] {
            notifier_.TimerAcknowledged(n);
            tray_.ReleaseNumber();
            flasher_.StopIfNoneRings();
        });
    });
    connect(&timers_, &Timers::LastMinute, this,
            [this](int, const QString& number) { Guard([&] { tray_.ShowNumber(number); }); });
    connect(&timers_, &Timers::LastSecond, this, [this] { Guard([&] { tray_.ShowNumber({}); }); });
    connect(&flasher_, &AlertFlasher::Beat, this, [this] { alarmPanel_.NoteAlertBeat(); });
}

void Quorbel::ConnectEditor() {
    connect(&editor_, &MessageEditor::Closing, this, [this](int n) {
        Guard([&] {
            window_.FocusMainPanel();
            // A keyboard that opened the editor goes back to the slot it was for.
            if (slot::IsCountdown(n))
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

void Quorbel::Start() {
    window_.Started();
    // The schedule's dialog waits until the window's first frame is drawn.
    window_.AfterFirstFrame([this] { scheduler_.CreateDialog(); });
}

void Quorbel::ToggleTimer(int n) {
    if (!slot::IsSlot(n))
        return;
    // An alert put the window on top; a click takes it down again unless
    // the user pinned it there.
    window_.LowerUnlessPinned();
    timers_.Toggle(n);
}

void Quorbel::Tick() {
    // The seconds that really passed since the last tick, suspend included,
    // for the stopwatch; counted against the whole run, so that a tick late
    // by a fraction is made up later. The timers read the clock themselves.
    const qint64 now = platform_.clock.SinceBoot();
    const int seconds = int(qBound<qint64>(0, qRound64((now - counted_) / 1000.0), kLongestGap));
    counted_ = seconds < kLongestGap ? counted_ + 1000 * qint64(seconds) : now;

    stopwatch_.Advance(seconds);
    clock_.Show();
    alarmPanel_.Check();

    // Seen before the countdowns below, so a timer running out in this tick
    // still counts as running.
    tray_.Animate(timers_.AnyRunning());
    timers_.TickCountdowns();
    tray_.ReleaseNumber();
    timers_.TickQuickTimers();

    rows_.AgePopup();
    tray_.UpdateHint();
}

bool Quorbel::PreviewKey(QObject* watched, int key) {
    // The keypad's Enter is Enter.
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter)
        AcknowledgeAlerts();
    else
        alarmPanel_.SilenceAlarms(key);
    // Enter stores the editor from its message and from its hours and
    // minutes alike.
    if (!enter || !editor_.Holds(watched))
        return false;
    Guard([this] { editor_.Store(); });
    alarmPanel_.NoteEnterTaken();
    return true;
}

void Quorbel::AcknowledgeAlerts() {
    if (flasher_.Flashed()) {
        window_.LowerUnlessPinned();
        flasher_.Acknowledge();
    }
    // The alarms' own sounds stop, whatever Enter does to the alarms.
    tunedAlerts_.Settle(AlertOptions::AlarmKey(1));
    tunedAlerts_.Settle(AlertOptions::AlarmKey(2));
    alarmPanel_.SilenceAlarms(Qt::Key_Return);
}

void Quorbel::ConnectAlarms() {
    connect(&alarmPanel_, &AlarmPanel::Rings, this,
            [this] { Guard([this] { platform_.windows.Raise(&window_); }); });
    connect(&alarmPanel_, &AlarmPanel::Rang, this,
            [this](int alarm) { Guard([&] { notifier_.AlarmRang(alarm); }); });
    connect(&alarmPanel_, &AlarmPanel::SwitchedOff, this,
            [this](int alarm) { Guard([&] { notifier_.AlarmSwitchedOff(alarm); }); });
    connect(&notifier_, &DesktopNotifier::AlarmStopAsked, this, [this](int alarm) {
        Handle([&] {
            if (alarm == 1 && alarmPanel_.Alarm1Ringing())
                alarmPanel_.ToggleAlarm1();
            else if (alarm == 2 && alarmPanel_.Alarm2Snoozing())
                alarmPanel_.SwitchAlarm2Off();
        });
    });
    connect(&notifier_, &DesktopNotifier::TimerStopAsked, this, [this](int n) {
        Handle([&] {
            if (timers_.IsRinging(n))
                ToggleTimer(n);
        });
    });
}

void Quorbel::ConnectCommands() {
    connect(&commands_, &CommandRunner::ShowAsked, this,
            [this] { Guard([this] { platform_.windows.Raise(&window_); }); });
    connect(&commands_, &CommandRunner::QuitAsked, this,
            [this] { Guard([this] { window_.Quit(window_.quitButton); }); });
    connect(&commands_, &CommandRunner::AutostartAsked, this,
            [this](bool on) { Guard([&] { autostart_.Set(on); }); });
    connect(&commands_, &CommandRunner::ToggleAsked, this,
            [this](int n) { Guard([&] { ToggleTimer(n); }); });
    connect(&window_, &MainWindow::Loaded, this,
            [this] { Guard([this] { commands_.SettingsLoaded(); }); });
    connect(&settingsFile_, &SettingsFile::AlarmHalfAsked, this,
            [this] { window_.ToggleAlarmHalf(&window_); });
    connect(&settingsFile_, &SettingsFile::Unreadable, this, [this](const QString& path) {
        window_.AfterFirstFrame([this, path] {
            platform_.questions.Tell(QStringLiteral("Quorbel"),
                                     QStringLiteral("The settings file could not be read and "
                                                    "will not be overwritten:\n%1")
                                         .arg(path));
        });
    });
}

Moment Quorbel::Now() const {
    return {platform_.clock.WallMs(), platform_.clock.SinceBoot(), platform_.clock.BootId()};
}

Quorbel::~Quorbel() {
    platform_.power.ListenForSleep({});
    platform_.clock.ListenForClockSet({});
    platform_.power.KeepAwake(false);
}

void Quorbel::ConnectJournal() {
    // Before a sleep the journal is current; after it every timer is
    // brought up to date at once, and what fell due meanwhile rings.
    window_.AfterFirstFrame([this] {
        platform_.power.ListenForSleep([this](bool sleeping) {
            Handle([&] {
                if (sleeping)
                    journal_.WriteNow();
                else
                    Tick();
            });
        });
        platform_.clock.ListenForClockSet([this] { Handle([this] { journal_.WallClockSet(); }); });
    });
    connect(&journal_, &JournalKeeper::CannotKeep, this, [this](const QString& path) {
        // Told from the event loop, not from inside the write that failed.
        QTimer::singleShot(0, this, [this, path] {
            platform_.questions.Tell(
                QStringLiteral("Quorbel"),
                QStringLiteral("The running timers cannot be kept for the next start, since "
                               "this file cannot be written:\n%1")
                    .arg(path));
        });
    });
    // While a timer rings, the screen stays on and the machine awake.
    connect(&timers_, &Timers::Expired, this, [this] { platform_.power.KeepAwake(true); });
    connect(&timers_, &Timers::Cleared, this, [this] {
        if (!timers_.AnyRinging())
            platform_.power.KeepAwake(false);
    });
    // What ran before resumes once the first frame is on screen.
    connect(&window_, &MainWindow::Loaded, this,
            [this] { window_.AfterFirstFrame([this] { journal_.Restore(); }); });
    connect(&journal_, &JournalKeeper::RanOutWhileAway, this, [this](int n, qint64 wallMs) {
        Guard([&] { notifier_.TimerRanOutAt(n, QDateTime::fromMSecsSinceEpoch(wallMs).time()); });
    });
    connect(&timers_, &Timers::Resumed, this, [this] { tray_.TimerStarted(); });
    connect(window_.snoozeTimer, &IntervalTimer::Timer, &journal_, &JournalKeeper::SnoozeSounded);
    connect(&journal_, &JournalKeeper::AlarmBack, this,
            [this](int alarm, Reconciled::Alarm::Then then, qint64 dueWallMs) {
                Guard([&] {
                    alarms_.SetOn(alarm, true);
                    if (then == Reconciled::Alarm::Then::Rings)
                        alarmPanel_.RingNow(alarm);
                    else if (then == Reconciled::Alarm::Then::Missed)
                        notifier_.AlarmMissed(alarm, QDateTime::fromMSecsSinceEpoch(dueWallMs));
                });
            });
    connect(&journal_, &JournalKeeper::WakesMachine, this,
            [this](bool wakes) { Guard([&] { alarmPanel_.NoteWake(wakes); }); });
    connect(&journal_, &JournalKeeper::SnoozeBack, this, [this](bool soundDue, qint64 nextInMs) {
        Guard([&] { alarmPanel_.ResumeSnooze(soundDue, nextInMs); });
    });
    // Only a deliberate quit ends what runs; the session's end keeps it.
    connect(&window_, &MainWindow::Closed, this, [this] {
        if (!window_.SessionEnding())
            journal_.Forget();
    });
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Quorbel.h"

#include <QDateTime>
#include <QTimer>

// The window's controls each feature owns, handed over once.
TimerRows::Controls Quorbel::rowControls(const MainWindow& window) {
    TimerRows::Controls controls{{},
                                 window.slotMenu,
                                 window.secondsMenu,
                                 window.editMessageItem,
                                 window.secondsItems(),
                                 window.timeLeftPopup};
    timer::forEach([&](int n) {
        controls.rows[std::size_t(n)] = {window.slotPanel(n),
                                         timer::isCountdown(n) ? window.slotEdit(n) : nullptr,
                                         window.slotButton(n)};
    });
    return controls;
}

MessageEditor::Controls Quorbel::editorControls(const MainWindow& window) {
    QList<QWidget*> timerPanels;
    timer::forEach([&](int n) { timerPanels << window.slotPanel(n); });
    return {
        window.editorPanel,
        window.messageEdit,
        window.editorPicker,
        window.editorOkButton,
        window.editorClearButton,
        window.underEditor() +
            QList<QWidget*>{window.soundStrip, window.recurStrip, window.soundBox, window.recurBox},
        timerPanels,
        {window.quitPanel, window.soundStrip, window.recurStrip, window.soundBox, window.recurBox}};
}

AlarmPanel::Controls Quorbel::alarmControls(const MainWindow& window) {
    return {{window.alarm1OnOff, window.alarm2OnOff},
            {window.alarm1OnOffPanel, window.alarm2OnOffPanel},
            {window.alarm1AmPm, window.alarm2AmPm},
            {window.alarm1Picker, window.alarm2Picker},
            window.copyAlarm1Button,
            window.copyAlarm2Button,
            window.testAlarmButton};
}

OptionControls::Controls Quorbel::optionControls(const MainWindow& window) {
    return {window.soundBox,       window.recurBox,      window.minimizeOnTimerItem,
            window.alarm1RecurBox, window.startOnBox,    window.snoozeButtons(),
            window.alarmDelayMenu, window.trayColourMenu};
}

ScreenReader::Controls Quorbel::readerControls(const MainWindow& window) {
    return {window.pinButton,
            window.openAlarmHalfButton,
            window.alarmPanel,
            window.stopwatchButton,
            {window.alarm1Picker, window.alarm2Picker},
            {window.alarm1AmPm, window.alarm2AmPm},
            {window.alarm1OnOff, window.alarm2OnOff},
            window.snoozeButtons()};
}

HandlerEntry Quorbel::entry() {
    return [this](const std::function<void()>& handler) { runHandler(handler); };
}

Quorbel::Quorbel(platform::Platform platform, MainWindow& window)
    : QObject(&window)
    , platform_(platform)
    , window_(window)
    , files_(platform.files.executableDir(), platform.files.configHome())
    , rows_(timers_, rowControls(window), entry(), this)
    , optionControls_(options_, optionControls(window), entry(), this)
    , flasher_(timers_, options_, rows_, platform.sound, platform.clock, files_, entry(), this)
    , editor_(timers_, settings_, editorControls(window), entry(), this)
    , stopwatchButton_(stopwatch_, window.stopwatchButton, window.clearStopwatchItem, entry(), this)
    , clock_(platform, window.clockPanel, window.clockBox)
    , alarmPanel_(alarms_, options_, alertOptions_, settings_, flasher_, platform.clock,
                  alarmControls(window), entry(), this)
    , notifier_(timers_, alarms_, platform.notifications, entry(), this)
    , settingsFile_(settings_, options_, timers_, alarms_, alarmPanel_, platform, files_, this)
    , tray_(timers_, window, platform, entry(), this)
    , scheduler_(window, window.processesItem, files_, platform, entry(), this)
    , reader_(window, rows_, timers_, stopwatch_, alarms_, settings_, readerControls(window), this)
    , journal_(
          timers_, stopwatch_, alarms_, options_, platform, files_, [this] { return now(); }, this)
    , wake_(platform.power, this)
    , autostart_(platform.autostart, platform.questions, window.startWithDesktopItem, entry(), this)
    , tunedAlerts_(alertOptions_, timers_, platform.sound, platform.clock, this)
    , alertTuner_(alertOptions_, tunedAlerts_, timers_, window, platform, files_, this)
    , alertActions_(timers_, alarms_, {alarmPanel_, flasher_, tunedAlerts_, notifier_}, window,
                    platform.clock, entry(), this)
    , commands_(timers_, alarms_, {alertActions_, alarmPanel_, editor_}, platform.instance, entry(),
                this)
    , report_(timers_, alarms_, stopwatch_, alarmPanel_, platform.clock)
    , remote_(commands_, report_, platform.remote, entry())
    , shortcuts_(commands_, platform.shortcuts, entry())
    , counted_(platform.clock.sinceBoot()) {
    for (QObject* model : std::initializer_list<QObject*>{&timers_, &alarms_, &options_,
                                                          &stopwatch_, &alertOptions_})
        model->setParent(this);
    connectWindow();
    connectTimers();
    connectEditor();
    connectAlarms();
    connectCommands();
    connectProbes();
    connectJournal();
    connectAlerts();
}

void Quorbel::connectWindow() {
    const auto running = [this] { window_.setTimersRunning(timers_.anyRunning()); };
    for (auto change : {&Timers::started, &Timers::resumed, &Timers::expired, &Timers::cleared})
        connect(&timers_, change, this, running);
    connect(&window_, &MainWindow::handled, this, [this] {
        guard([this] { reader_.describe(); });
        guard([this] { tray_.settle(); });
    });
    window_.afterFirstFrame([this] {
        reader_.addTips();
        window_.addTips();
        autostart_.show();
    });
    if (tray_.waitsForFirstFrame())
        window_.afterFirstFrame([this] { tray_.showAfterFirstFrame(); });
    connect(&tray_, &TrayPresence::quitAsked, this, [this] { window_.quit(); });
    connect(&tray_, &TrayPresence::stopAsked, this,
            [this](int n) { alertActions_.toggleTimer(n); });
    connect(&window_, &MainWindow::firstActivated, this, [this] {
        if (!guard([this] { settingsFile_.load(); }))
            window_.settingsFailed();
    });
    connect(&window_, &MainWindow::closeRequested, this, [this] {
        if (!guard([this] { settingsFile_.saveSettings(window_.sessionEnding()); }))
            window_.settingsFailed();
    });
    connect(&tick_, &IntervalTimer::timeout, this, [this] { runHandler([this] { tick(); }); });
    connect(&window_, &MainWindow::alarmHalfShown, this, [this](bool open) {
        guard([this, open] {
            options_.setAlarmHalfOpen(open);
            if (open)
                clock_.show();
        });
    });
    connect(&window_, &MainWindow::keyPressed, this, [this](QObject*, int key) {
        guard([&] {
            // The keypad's Enter is Enter.
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                alertActions_.stopEveryAlert();
            else
                alarmPanel_.silenceAlarms(key);
        });
    });
}

void Quorbel::connectTimers() {
    // A new moment to ring at may bring the next tick forward, into its
    // phase.
    for (auto change : {&Timers::started, &Timers::resumed, &Timers::edited})
        connect(&timers_, change, this, [this] { guard([this] { followDueMoments(); }); });
    connect(&alarms_, &AlarmClock::changed, this,
            [this] { guard([this] { followDueMoments(); }); });
    connect(&rows_, &TimerRows::clicked, this,
            [this](int n) { runHandler([&] { alertActions_.toggleTimer(n); }); });
    connect(&rows_, &TimerRows::editAsked, this, [this](int n) {
        runHandler([&] {
            rows_.hidePopup();
            editor_.openFor(n);
        });
    });
    connect(&rows_, &TimerRows::timeBoxPressed, this, [this] { window_.focusMainPanel(); });
    // The clock's box shares the seconds menu but is no timer's: what it
    // opens sets nothing.
    connect(window_.clockBox, &TextBox::mousePressed, this, [this] { rows_.forgetPress(); });
    connect(&timers_, &Timers::started, this, [this](int n) {
        guard([&] {
            tray_.timerStarted();
            reader_.announce(n);
            if (options_.minimizeOnTimer())
                window_.hide();
        });
    });
    connect(&timers_, &Timers::expired, this, [this](int n) {
        guard([&] {
            if (editor_.isOpen())
                editor_.closeForAlert();
            flasher_.startForTimer();
            window_.bringBackForAlert(timer::isQuick(n) ? 190 : 220);
            notifier_.timerRang(n);
            reader_.announce(n);
        });
    });
    connect(&timers_, &Timers::cleared, this, [this](int n) {
        guard([&] {
            notifier_.timerAcknowledged(n);
            tray_.releaseNumber();
            flasher_.stopIfNoneRings();
        });
    });
    connect(&timers_, &Timers::lastMinute, this,
            [this](int, const QString& number) { guard([&] { tray_.showNumber(number); }); });
    connect(&timers_, &Timers::lastSecond, this, [this] { guard([&] { tray_.showNumber({}); }); });
    connect(&flasher_, &AlertFlasher::beat, this, [this] { alarmPanel_.noteAlertBeat(); });
}

void Quorbel::connectEditor() {
    connect(&editor_, &MessageEditor::closing, this, [this](int n) {
        guard([&] {
            window_.focusMainPanel();
            // A keyboard that opened the editor goes back to the slot it was for.
            if (timer::isCountdown(n))
                window_.keyboard().returnKeyboardTo(rows_.timerButton(n));
        });
    });
    connect(&window_, &MainWindow::editorCancelled, this, [this] {
        guard([this] {
            if (editor_.isOpen())
                editor_.discard();
        });
    });
}

void Quorbel::startUp(const QStringList& arguments, platform::Instance::Reply told) {
    window_.programReady();
    commands_.run(arguments, false, std::move(told));
    // The schedule's dialog waits until the window's first frame is drawn.
    window_.afterFirstFrame([this] { scheduler_.createDialog(); });
}

void Quorbel::tick() {
    // The seconds that really passed since the last tick, suspend included,
    // for the stopwatch; counted against the whole run, so that a tick late
    // by a fraction is made up later. The timers read the clock themselves.
    const qint64 now = platform_.clock.sinceBoot();
    const int seconds = int(qBound<qint64>(0, qRound64((now - counted_) / 1000.0), kLongestGap));
    counted_ = seconds < kLongestGap ? counted_ + 1000 * qint64(seconds) : now;

    stopwatch_.advance(seconds);
    clock_.show();
    alarmPanel_.check();

    // Seen before the countdowns below, so a timer running out in this tick
    // still counts as running.
    tray_.animate(timers_.anyRunning());
    timers_.tickCountdowns();
    tray_.releaseNumber();
    timers_.tickQuickTimers();

    rows_.agePopup();
    tray_.updateHint();

    pace_.ticked(now, nextDueMs());
    keepPace();
}

std::optional<qint64> Quorbel::nextDueMs() const {
    std::optional<qint64> due = timers_.nextDueMs();
    const qint64 wall = platform_.clock.wallMs();
    if (const std::optional<qint64> alarm = alarms_.nextRingMs(wall)) {
        const qint64 alarmDue = platform_.clock.sinceBoot() + (*alarm - wall);
        if (!due || alarmDue < *due)
            due = alarmDue;
    }
    return due;
}

void Quorbel::keepPace() {
    tick_.startAfter(int(qMax<qint64>(0, pace_.nextTickAt() - platform_.clock.sinceBoot())), 1000);
}

void Quorbel::followDueMoments() {
    if (pace_.follow(platform_.clock.sinceBoot(), nextDueMs()))
        keepPace();
}

void Quorbel::connectAlarms() {
    connect(&alarmPanel_, &AlarmPanel::rings, this,
            [this] { guard([this] { platform_.windows.raise(&window_); }); });
    connect(&alarmPanel_, &AlarmPanel::rang, this,
            [this](int alarm) { guard([&] { notifier_.alarmRang(alarm); }); });
    connect(&notifier_, &DesktopNotifier::showAsked, this,
            [this] { guard([this] { platform_.windows.raise(&window_); }); });
    for (const auto ended : {&AlarmPanel::switchedOff, &AlarmPanel::ringEnded})
        connect(&alarmPanel_, ended, this,
                [this](int alarm) { guard([&] { notifier_.alarmSwitchedOff(alarm); }); });
}

void Quorbel::connectCommands() {
    connect(&commands_, &CommandRunner::showAsked, this,
            [this] { guard([this] { platform_.windows.raise(&window_); }); });
    connect(&commands_, &CommandRunner::quitAsked, this,
            [this] { guard([this] { window_.quit(); }); });
    connect(&commands_, &CommandRunner::autostartAsked, this,
            [this](bool on) { guard([&] { autostart_.choose(on); }); });
    connect(&window_, &MainWindow::loaded, this,
            [this] { guard([this] { commands_.settingsLoaded(); }); });
    connect(&settingsFile_, &SettingsFile::alarmHalfAsked, this,
            [this] { window_.toggleAlarmHalf(); });
    connect(&settingsFile_, &SettingsFile::unreadable, this, [this](const QString& path) {
        window_.afterFirstFrame([this, path] {
            //: %1 is the file's path.
            platform_.questions.tell(QStringLiteral("Quorbel"),
                                     tr("The settings file could not be read and will not be "
                                        "overwritten:\n%1")
                                         .arg(path));
        });
    });
}

void Quorbel::connectProbes() {
    platform_.instance.answerProbes([this] { return report_.document(); });
    // What a panel shows changes with these, not with each second's count.
    const auto changed = [this] {
        platform_.instance.announceChange();
        platform_.remote.broadcastChange();
    };
    for (auto change :
         {&Timers::started, &Timers::resumed, &Timers::expired, &Timers::cleared, &Timers::edited})
        connect(&timers_, change, this, changed);
    connect(&alarms_, &AlarmClock::changed, this, changed);
    connect(&stopwatch_, &Stopwatch::turned, this, changed);
    // On the bus, and the desktop's shortcuts offered, once ready: the
    // settings in, and the first frame on screen (in the background, the
    // tray icon put in).
    connect(&window_, &MainWindow::loaded, this, [this] {
        window_.afterFirstFrame([this] {
            platform_.remote.claimName();
            shortcuts_.offer();
        });
    });
}

Moment Quorbel::now() const {
    return {platform_.clock.wallMs(), platform_.clock.sinceBoot(), platform_.clock.bootId()};
}

Quorbel::~Quorbel() {
    platform_.power.listenForSleep({});
    platform_.clock.listenForClockSet({});
    platform_.power.keepAwake(false);
}

void Quorbel::tellCannotKeep(const QString& path) {
    // Told from the event loop, not from inside the write that failed.
    QTimer::singleShot(0, this, [this, path] {
        platform_.questions.tell(
            QStringLiteral("Quorbel"),
            //: %1 is the file's path.
            tr("The running timers cannot be kept for the next start, since this file cannot "
               "be written:\n%1")
                .arg(path));
    });
}

void Quorbel::connectJournal() {
    // Before a sleep the journal is current; after it every timer is
    // brought up to date at once, and what fell due meanwhile rings.
    window_.afterFirstFrame([this] {
        platform_.power.listenForSleep([this](bool sleeping) {
            runHandler([&] {
                if (sleeping)
                    journal_.writeNow();
                else
                    tick();
            });
        });
        platform_.clock.listenForClockSet([this] {
            runHandler([this] {
                journal_.wallClockSet();
                // An alarm's minute moved against the clock since boot.
                followDueMoments();
            });
        });
    });
    connect(&journal_, &JournalKeeper::cannotKeep, this, &Quorbel::tellCannotKeep);
    // While a timer rings, the screen stays on and the machine awake.
    connect(&timers_, &Timers::expired, this, [this] { platform_.power.keepAwake(true); });
    connect(&timers_, &Timers::cleared, this, [this] {
        if (!timers_.anyRinging())
            platform_.power.keepAwake(false);
    });
    // What ran before resumes once the first frame is on screen.
    connect(&window_, &MainWindow::loaded, this,
            [this] { window_.afterFirstFrame([this] { journal_.recover(); }); });
    connect(&journal_, &JournalKeeper::ranOutWhileAway, this, [this](int n, qint64 wallMs) {
        guard([&] { notifier_.timerRanOutAt(n, QDateTime::fromMSecsSinceEpoch(wallMs).time()); });
    });
    connect(&timers_, &Timers::resumed, this, [this] { tray_.timerStarted(); });
    connect(&alarmPanel_, &AlarmPanel::snoozeSounds, &journal_, &JournalKeeper::snoozeSounded);
    connect(&journal_, &JournalKeeper::alarmBack, this,
            [this](int alarm, Reconciled::Alarm::Then then, qint64 dueWallMs) {
                guard([&] {
                    alarms_.setOn(alarm, true);
                    if (then == Reconciled::Alarm::Then::Rings)
                        alarmPanel_.ringNow(alarm);
                    else if (then == Reconciled::Alarm::Then::Missed)
                        notifier_.alarmMissed(alarm, QDateTime::fromMSecsSinceEpoch(dueWallMs));
                });
            });
    connect(&journal_, &JournalKeeper::reckoned, &wake_, &MachineWake::wakeFor);
    connect(&wake_, &MachineWake::wakesMachine, this,
            [this](bool wakes) { guard([&] { alarmPanel_.noteWake(wakes); }); });
    connect(&journal_, &JournalKeeper::snoozeBack, this, [this](bool soundDue, qint64 nextInMs) {
        guard([&] { alarmPanel_.resumeSnooze(soundDue, nextInMs); });
    });
    // Only a deliberate quit ends what runs; the session's end keeps it.
    connect(&window_, &MainWindow::closed, this, [this] {
        if (!window_.sessionEnding())
            journal_.forget();
    });
}

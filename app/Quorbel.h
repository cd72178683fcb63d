// SPDX-License-Identifier: GPL-3.0-or-later
// The program put together: the main window, the models it shows, and the
// features that own its parts, wired to each other. It drives the
// one-second tick, in its fixed order, sees every key first, and reads and
// writes the settings for the window's first activation and its close.
#pragma once

#include "access/ScreenReader.h"
#include "alarm/AlarmPanel.h"
#include "alerts/AlertTuner.h"
#include "alerts/TunedAlerts.h"
#include "cli/CommandRunner.h"
#include "cli/DesktopShortcuts.h"
#include "cli/RemoteCommands.h"
#include "cli/StateReport.h"
#include "clock/BigClock.h"
#include "journal/JournalKeeper.h"
#include "journal/MachineWake.h"
#include "models/TickPace.h"
#include "notify/AlertActions.h"
#include "notify/DesktopNotifier.h"
#include "platform/Platform.h"
#include "scheduler/Scheduler.h"
#include "settings/AutostartOption.h"
#include "settings/OptionControls.h"
#include "settings/SettingsFile.h"
#include "stopwatch/StopwatchButton.h"
#include "timers/AlertFlasher.h"
#include "timers/MessageEditor.h"
#include "timers/TimerRows.h"
#include "tray/TrayPresence.h"
#include "window/MainWindow.h"

#include <QObject>

class Quorbel : public QObject {
    Q_OBJECT
public:
    Quorbel(platform::Platform platform, MainWindow& window);
    ~Quorbel() override;

    // Every model and feature is a child of the program, to be found as
    // Qt finds children (findChild); the settings' lines are the settings
    // file's.

    // The program starts: a window already on screen reads the settings,
    // and the command line is acted on once they are in; told hears what
    // was done.
    void startUp(const QStringList& arguments = {}, platform::Instance::Reply told = {});

    // The one-second tick.
    void tick();

private:
    // Each feature's controls of the window, handed over once.
    static TimerRows::Controls rowControls(const MainWindow& window);
    static MessageEditor::Controls editorControls(const MainWindow& window);
    static AlarmPanel::Controls alarmControls(const MainWindow& window);
    static OptionControls::Controls optionControls(const MainWindow& window);
    static ScreenReader::Controls readerControls(const MainWindow& window);
    HandlerEntry entry();
    void connectWindow();
    void connectTimers();
    void connectEditor();
    void connectAlarms();
    void connectCommands();
    void connectProbes();
    void connectJournal();
    void tellCannotKeep(const QString& path);
    void connectAlerts();
    // Now, as the journal counts time: the wall clock, the clock since
    // boot, and the boot.
    Moment now() const;
    // The nearest moment something rings, on the clock since boot: a
    // timer's, or the start of an alarm's minute.
    std::optional<qint64> nextDueMs() const;
    // The tick comes next when its pace says.
    void keepPace();
    void followDueMoments();
    // Runs a handler through the error guard, then brings what the desktop
    // shows of the window up to date.
    template <typename Handler> void runHandler(Handler&& handler) {
        guard(std::forward<Handler>(handler));
        window_.afterHandler();
    }

    platform::Platform platform_;
    MainWindow& window_;
    // Where the user's files are, and the state the program keeps.
    UserFiles files_;
    SettingsStore settings_;
    Timers timers_{settings_, [this] { return platform_.clock.sinceBoot(); }};
    AlarmClock alarms_;
    Options options_;
    Stopwatch stopwatch_;
    AlertOptions alertOptions_;
    TimerRows rows_;
    OptionControls optionControls_;
    AlertFlasher flasher_;
    MessageEditor editor_;
    StopwatchButton stopwatchButton_;
    BigClock clock_;
    AlarmPanel alarmPanel_;
    DesktopNotifier notifier_;
    SettingsFile settingsFile_;
    TrayPresence tray_;
    Scheduler scheduler_;
    ScreenReader reader_;
    JournalKeeper journal_;
    MachineWake wake_;
    AutostartOption autostart_;
    TunedAlerts tunedAlerts_;
    AlertTuner alertTuner_;
    AlertActions alertActions_;
    CommandRunner commands_;
    StateReport report_;
    RemoteCommands remote_;
    DesktopShortcuts shortcuts_;
    // Once a second, for the whole run, in the phase its pace gives.
    IntervalTimer tick_{nullptr, QStringLiteral("tick"), 1000};
    TickPace pace_{platform_.clock.sinceBoot(), this};
    // The clock since boot up to which the tick has counted the stopwatch's
    // seconds.
    qint64 counted_ = 0;
    // No stall is counted longer.
    static constexpr qint64 kLongestGap = 100 * 3600;
};

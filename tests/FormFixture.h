// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a fake desktop: the main window, and the composition root
// around it, with the settings' load and save watched.
#pragma once

#include "app/Quorbel.h"
#include "core/Convert.h"
#include "platform/FakePlatform.h"
#include "tray/TrayIcon.h"
#include "window/MainWindow.h"

#include <QImage>
#include <QTest>

// Which of the tray's coloured pictures ("M1" to "M7") the desktop shows:
// none for the clock or a turning frame.
inline QString trayColourShown(const platform::FakePlatform& desktop) {
    const QImage shown = desktop.trayIcon.pixmap(16).toImage();
    for (int n = 1; n <= 7; ++n) {
        const QString name = QStringLiteral("M%1").arg(n);
        if (trayPicture(name).pixmap(16).toImage() == shown)
            return name;
    }
    return {};
}

class Form : public MainWindow {
public:
    // The tests reach the controls as the user does, by their part.
    using MainWindow::alarm1AlertOptionsItem;
    using MainWindow::alarm1AmPm;
    using MainWindow::alarm1AmPmFrame;
    using MainWindow::alarm1Label;
    using MainWindow::alarm1OnOff;
    using MainWindow::alarm1OnOffPanel;
    using MainWindow::alarm1Picker;
    using MainWindow::alarm1RecurBox;
    using MainWindow::alarm2AlertOptionsItem;
    using MainWindow::alarm2AmPm;
    using MainWindow::alarm2AmPmFrame;
    using MainWindow::alarm2Label;
    using MainWindow::alarm2OnOff;
    using MainWindow::alarm2OnOffPanel;
    using MainWindow::alarm2Picker;
    using MainWindow::alarmBackgroundPicture;
    using MainWindow::alarmClockItem;
    using MainWindow::alarmDelayMenu;
    using MainWindow::alarmHideButton;
    using MainWindow::alarmPanel;
    using MainWindow::alarmTitleLabel;
    using MainWindow::alarmTitleStrip;
    using MainWindow::backgroundMenu;
    using MainWindow::backgroundPicture;
    using MainWindow::clearStopwatchItem;
    using MainWindow::clockBox;
    using MainWindow::clockPanel;
    using MainWindow::closeAlarmHalfButton;
    using MainWindow::closeButton;
    using MainWindow::closeNoSaveItem;
    using MainWindow::copyAlarm1Button;
    using MainWindow::copyAlarm2Button;
    using MainWindow::editMessageItem;
    using MainWindow::editorClearButton;
    using MainWindow::editorCover1;
    using MainWindow::editorCover2;
    using MainWindow::editorCover3;
    using MainWindow::editorCover4;
    using MainWindow::editorCover5;
    using MainWindow::editorOkButton;
    using MainWindow::editorOkPanel;
    using MainWindow::editorPanel;
    using MainWindow::editorPicker;
    using MainWindow::editorTimeLabel;
    using MainWindow::hideButton;
    using MainWindow::messageEdit;
    using MainWindow::minimizeOnTimerItem;
    using MainWindow::openAlarmHalfButton;
    using MainWindow::pinButton;
    using MainWindow::processesItem;
    using MainWindow::quitButton;
    using MainWindow::quitMenu;
    using MainWindow::quitPanel;
    using MainWindow::recurBox;
    using MainWindow::recurStrip;
    using MainWindow::secondsMenu;
    using MainWindow::slotAlertOptionsItem;
    using MainWindow::slotMenu;
    using MainWindow::snooze15Min;
    using MainWindow::snooze1Min;
    using MainWindow::snooze20Min;
    using MainWindow::snooze30Min;
    using MainWindow::snooze3Min;
    using MainWindow::snooze5Min;
    using MainWindow::snooze9Min;
    using MainWindow::snoozeLabel;
    using MainWindow::soundBox;
    using MainWindow::soundStrip;
    using MainWindow::startOnBox;
    using MainWindow::startWithDesktopItem;
    using MainWindow::State;
    using MainWindow::stopwatchButton;
    using MainWindow::stopwatchMenu;
    using MainWindow::testAlarmButton;
    using MainWindow::testAlarmPanel;
    using MainWindow::timeLeftPopup;
    using MainWindow::titleLabel;
    using MainWindow::titleStrip;
    using MainWindow::trayColourMenu;

    explicit Form(platform::Platform platform, Start start = Start::Hidden)
        : MainWindow(platform, start)
        , clock(dynamic_cast<platform::FakePlatform*>(&platform.clock)) {
        // Once the fixture's own members are there: a window started on
        // screen loads its settings at once.
        program = new Quorbel(platform, *this);
        // The settings' load and save, watched; the files themselves only
        // when a test asks, since the fake desktop's settings home cannot be
        // made.
        disconnect(this, &MainWindow::firstActivated, program, nullptr);
        disconnect(this, &MainWindow::closeRequested, program, nullptr);
        connect(this, &MainWindow::firstActivated, this, [this] {
            calls << QStringLiteral("load");
            if (realSettings && !guard([this] { part<SettingsFile>().load(); }))
                settingsFailed();
        });
        connect(this, &MainWindow::closeRequested, this, [this] {
            calls << QStringLiteral("save");
            if (realSettings &&
                !guard([this] { part<SettingsFile>().saveSettings(sessionEnding()); }))
                settingsFailed();
        });
        program->startUp();
        trayIcon = part<TrayPresence>().trayIcon();
    }

    // Runs the one-second tick as its timer would, a second (or so many
    // milliseconds) on the clock after the one before.
    void tick(int times = 1, int everyMs = 1000) {
        for (int i = 0; i < times; ++i) {
            if (clock)
                clock->advance(everyMs);
            guard([this] { program->tick(); });
            afterHandler();
        }
    }
    // Lets that much time pass on the desktop's clocks, the wall clock's
    // too, with each tick coming when the program's pace has it come, as
    // its timer would; how many ticks came.
    int runFor(qint64 ms) {
        const qint64 end = clock->boot + ms;
        int ticks = 0;
        for (qint64 next; (next = part<TickPace>().nextTickAt()) <= end; ++ticks) {
            passTime(next - clock->boot);
            guard([this] { program->tick(); });
            afterHandler();
        }
        passTime(end - clock->boot);
        return ticks;
    }
    void passTime(qint64 ms) {
        const QDateTime wall = QDateTime(clock->date, clock->time).addMSecs(ms);
        clock->date = wall.date();
        clock->time = wall.time();
        clock->advance(int(ms));
    }
    // Runs the alert's beat as its timer would.
    void alertTick(int times = 1) {
        for (int i = 0; i < times; ++i) {
            guard([this] { part<AlertFlasher>().flash(); });
            afterHandler();
        }
    }
    // A model or feature of the program, as Qt finds children.
    template <typename T> T& part() const { return *program->findChild<T*>(); }
    TimerRows& rows() { return part<TimerRows>(); }
    SettingsStore& settings() { return part<SettingsFile>().store(); }
    Timers& timersModel() { return part<Timers>(); }
    AlarmClock& alarms() { return part<AlarmClock>(); }
    Options& options() { return part<Options>(); }
    Stopwatch& stopwatchModel() { return part<Stopwatch>(); }

    platform::FakePlatform* clock = nullptr;
    // The program around the window; the window owns it.
    Quorbel* program = nullptr;
    TrayIcon* trayIcon = nullptr;

    QStringList calls;
    // Load and save the real files where the fake desktop puts them.
    bool realSettings = false;
};

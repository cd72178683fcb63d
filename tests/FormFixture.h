// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a fake desktop: the main window, and the composition root
// around it, with the settings' load and save watched.
#pragma once

#include "app/Quorbel.h"
#include "core/Convert.h"
#include "platform/FakePlatform.h"
#include "tray/TrayIcon.h"
#include "window/MainWindow.h"

#include <QTest>

class Form : public MainWindow {
public:
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
            if (realSettings && !guard([this] { program->prefsFile().load(); }))
                settingsFailed();
        });
        connect(this, &MainWindow::closeRequested, this, [this] {
            calls << QStringLiteral("save");
            if (realSettings && !guard([this] { program->prefsFile().save(sessionEnding()); }))
                settingsFailed();
        });
        program->start();
        trayIcon = program->tray().icon();
    }

    // Runs the one-second tick as its timer would, a second on the clock
    // after the one before.
    void tick(int times = 1) {
        for (int i = 0; i < times; ++i) {
            if (clock)
                clock->advance(1000);
            guard([this] { program->tick(); });
            afterHandler();
        }
    }
    // Runs the alert's beat as its timer would.
    void alertTick(int times = 1) {
        for (int i = 0; i < times; ++i) {
            guard([this] { program->flasher().flash(); });
            afterHandler();
        }
    }
    TimerRows& rows() { return program->rows(); }
    SettingsStore& settings() { return program->store(); }
    Timers& timersModel() { return program->timersModel(); }
    AlarmClock& alarms() { return program->alarmsModel(); }
    Options& options() { return program->optionsModel(); }
    Stopwatch& stopwatchModel() { return program->stopwatchModel(); }

    platform::FakePlatform* clock = nullptr;
    // The program around the window; the window owns it.
    Quorbel* program = nullptr;
    TrayIcon* trayIcon = nullptr;

    QStringList calls;
    // Load and save the real files where the fake desktop puts them.
    bool realSettings = false;
};

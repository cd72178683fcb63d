// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a fake desktop, with its settings load and save
// watched and failed on demand.
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
        : MainWindow(platform, start) {
        // Once the fixture's own members are there: a window started on
        // screen loads its settings at once.
        program = new Quorbel(platform, *this);
        // The settings' load and save, watched and failed on demand.
        SetSettingsHooks(
            [this] {
                calls << QStringLiteral("load");
                if (realSettings)
                    program->Settings().Load();
                else if (failLoad)
                    throw EConvertError("settings file unreadable");
            },
            [this] {
                calls << QStringLiteral("save");
                if (realSettings)
                    program->Settings().Save(SessionEnding());
                else if (failSave)
                    throw EConvertError("settings file unreadable");
            });
        program->Start();
        trayIcon = program->Tray().Icon();
    }

    // Runs the one-second tick as its timer would.
    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i)
            emit tickTimer->Timer();
    }
    // Runs the alert's beat as its timer would.
    void AlertTick(int times = 1) {
        for (int i = 0; i < times; ++i)
            emit alertTimer->Timer();
    }
    TimerRows& Rows() { return program->Rows(); }

    // The program around the window; the window owns it.
    Quorbel* program = nullptr;
    TrayIcon* trayIcon = nullptr;

    QStringList calls;
    // Load and save the real files in the fake desktop's executable folder.
    bool realSettings = false;
    bool failLoad = false;
    bool failSave = false;
};

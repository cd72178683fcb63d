// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a fake desktop, with its settings load and save
// watched and failed on demand.
#pragma once

#include "core/Convert.h"
#include "platform/FakePlatform.h"
#include "slots/TimerRows.h"
#include "tray/TrayIcon.h"
#include "window/MainWindow.h"

#include <QTest>

class Form : public MainWindow {
public:
    using MainWindow::MainWindow;

    void LoadSettings() override {
        calls << QStringLiteral("load");
        if (realSettings)
            MainWindow::LoadSettings();
        else if (failLoad)
            throw EConvertError("settings file unreadable");
    }
    void SaveSettings() override {
        calls << QStringLiteral("save");
        if (realSettings)
            MainWindow::SaveSettings();
        else if (failSave)
            throw EConvertError("settings file unreadable");
    }

    // Runs the one-second tick as its timer would.
    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i)
            Guard([this] { OneSecondTick(tickTimer); });
    }
    // Runs the alert timer's handler as its timer would.
    void AlertTick(int times = 1) {
        for (int i = 0; i < times; ++i)
            Guard([this] { FlashAndSound(alertTimer); });
    }

    QStringList calls;
    // Load and save the real files in the fake desktop's executable folder.
    bool realSettings = false;
    bool failLoad = false;
    bool failSave = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Unit1.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char** argv) {
    platform::PrepareEnvironment();
    QApplication app(argc, argv);
    // Hidden is not closed: the program lives on in the tray until its main
    // window closes, whatever other windows come and go.
    app.setQuitOnLastWindowClosed(false);

    platform::QtPlatform desktop;
    TAForm1 AForm1(desktop.Interfaces(), TAForm1::Start::OnScreenFirst);
    AForm1.CreateScheduleDialog();
    QObject::connect(&AForm1, &TAForm1::Closed, &app, &QCoreApplication::quit);
    return app.exec();
}

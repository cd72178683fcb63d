// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Unit1.h"
#include "cli/CommandLine.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("quorbel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORBEL_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Read before the desktop is reached: help needs no display.
    const Command command = ParseCommandLine(arguments);
    if (command.kind != Command::Kind::Run) {
        const bool error = command.kind == Command::Kind::Error;
        std::fputs(command.text.toLocal8Bit().constData(), error ? stderr : stdout);
        return error ? 2 : 0;
    }

    platform::PrepareEnvironment();
    QApplication app(argc, argv);
    // Hidden is not closed: the program lives on in the tray until its main
    // window closes, whatever other windows come and go.
    app.setQuitOnLastWindowClosed(false);

    platform::QtPlatform desktop;
    // One running copy for each settings folder: a later start hands it
    // the command line and ends.
    const UserFiles files(desktop.ExecutableDir(), desktop.ConfigHome());
    if (!desktop.Claim(files.Folder(), arguments))
        return 0;
    TAForm1 AForm1(desktop.Interfaces(), TAForm1::Start::OnScreenFirst);
    AForm1.AfterFirstFrame([&AForm1] { AForm1.CreateScheduleDialog(); });
    AForm1.RunCommand(arguments, false);
    QObject::connect(&AForm1, &TAForm1::Closed, &app, &QCoreApplication::quit);
    return app.exec();
}

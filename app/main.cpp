// SPDX-License-Identifier: GPL-3.0-or-later
#include "Quorbel.h"
#include "cli/CommandLine.h"
#include "core/UserFiles.h"
#include "platform/QtPlatform.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <cstdio>
#include <memory>
#include <optional>

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("quorbel"));
    // The menu entry's name: Wayland compositors match the window to it
    // (its app_id), and the notifications name it; on X11 the entry names
    // the window's class, "quorbel", instead.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorbel.Quorbel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORBEL_VERSION));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Read before the desktop is reached: help needs no display.
    const Command command = parseCommandLine(arguments);
    if (command.kind != Command::Kind::Run) {
        const bool error = command.kind == Command::Kind::Error;
        std::fputs(command.text.toLocal8Bit().constData(), error ? stderr : stdout);
        return error ? 2 : 0;
    }

    // Fontconfig readies itself on a second core meanwhile.
    platform::prepareEnvironment();
    // One running copy for each settings folder: a later start hands it
    // the command line and ends, without needing a display of its own.
    auto instance = std::make_unique<platform::SingleInstance>();
    const UserFiles files(platform::executableFolder(), platform::userConfigHome());
    switch (instance->claim(files.folder(), arguments)) {
    case platform::SingleInstance::Outcome::HandedOver:
        return 0;
    case platform::SingleInstance::Outcome::Unanswered:
        std::fputs("quorbel: another copy holds these settings but does not answer\n", stderr);
        return 1;
    case platform::SingleInstance::Outcome::Claimed:
        break;
    }

    std::optional<platform::DisplayCheck> displayCheck(std::in_place);
    QApplication app(argc, argv);
    displayCheck.reset();
    // Hidden is not closed: the program lives on in the tray until its main
    // window closes, whatever other windows come and go.
    app.setQuitOnLastWindowClosed(false);

    platform::QtPlatform desktop(std::move(instance));
    // A reader keeps what it first learns of a window.
    ScreenReader::prepare();
    MainWindow window(desktop.interfaces(), command.background ? MainWindow::Start::Background
                                                               : MainWindow::Start::OnScreenFirst);
    Quorbel program(desktop.interfaces(), window);
    program.startUp(arguments);
    QObject::connect(&window, &MainWindow::closed, &app, &QCoreApplication::quit);
    return app.exec();
}

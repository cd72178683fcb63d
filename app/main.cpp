// SPDX-License-Identifier: GPL-3.0-or-later
#include "Quorbel.h"
#include "cli/CommandLine.h"
#include "core/UserFiles.h"
#include "platform/QtPlatform.h"
#include "platform/QuestionBox.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

// One running copy for each settings folder: a later start hands it the
// command line and ends, without needing a display of its own. The exit
// code where this start ends here.
std::optional<int> claimOrHandOver(platform::SingleInstance& instance, const Command& command,
                                   const QStringList& arguments) {
    // Quitting a copy that does not run starts none: a logout script or a
    // shortcut changes nothing and ends at once.
    const bool quits =
        std::any_of(command.actions.cbegin(), command.actions.cend(),
                    [](const Command::Action& action) { return action.act == Command::Act::Quit; });
    // Fontconfig readies itself on a second core meanwhile.
    if (!quits)
        platform::prepareEnvironment();
    const UserFiles files(platform::executableFolder(), platform::userConfigHome());
    using Outcome = platform::SingleInstance::Outcome;
    const Outcome outcome =
        instance.claim(files.folder(), arguments,
                       quits ? platform::SingleInstance::Reach::HandOverOnly
                             : platform::SingleInstance::Reach::ClaimOrHandOver);
    if (!instance.message().isEmpty())
        std::fputs(("quorbel: " + instance.message() + u'\n').toLocal8Bit().constData(), stderr);
    if (outcome == Outcome::HandedOver || outcome == Outcome::NoneRunning)
        return 0;
    if (outcome != Outcome::Claimed)
        return 1;
    return std::nullopt;
}

} // namespace

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

    auto instance = std::make_unique<platform::SingleInstance>();
    if (const std::optional<int> ended = claimOrHandOver(*instance, command, arguments))
        return *ended;

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
    // Queued: a close before the event loop runs would otherwise be lost,
    // and the program left with no window and no way to end. A notice
    // still open goes with the window.
    QObject::connect(
        &window, &MainWindow::closed, &app,
        [] {
            platform::QuestionBox::answerAllByDefault();
            QCoreApplication::quit();
        },
        Qt::QueuedConnection);
    program.startUp(arguments);
    return app.exec();
}

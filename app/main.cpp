// SPDX-License-Identifier: GPL-3.0-or-later
#include "Quorbel.h"
#include "cli/CommandLine.h"
#include "cli/PanelFeed.h"
#include "cli/StateText.h"
#include "core/UserFiles.h"
#include "platform/QtPlatform.h"
#include "platform/QuestionBox.h"
#include "platform/SingleInstance.h"
#include "platform/Translations.h"
#include "widgets/Controls.h"

#include <QApplication>
#include <QDateTime>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

void tellInstanceMessage(const platform::SingleInstance& instance) {
    if (const QString message = instance.message(); !message.isEmpty())
        std::fputs(("quorbel: " + message + u'\n').toLocal8Bit().constData(), stderr);
}

// One running copy for each settings folder: a later start hands it the
// command line and ends, without needing a display of its own. The exit
// code where this start ends here.
std::optional<int> claimOrHandOver(int& argc, char** argv, platform::SingleInstance& instance,
                                   const Command& command, const QStringList& arguments) {
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
    if (outcome == Outcome::Claimed)
        return std::nullopt;
    // Ending here: said in the user's language, which needs an application
    // object.
    QCoreApplication app(argc, argv);
    platform::installTranslations();
    tellInstanceMessage(instance);
    if (outcome == Outcome::HandedOver) {
        // What the running copy did, as it said.
        const platform::Instance::Response answer = instance.answer();
        std::fputs(answer.text.toLocal8Bit().constData(), answer.status ? stderr : stdout);
        return answer.status;
    }
    return outcome == Outcome::NoneRunning ? 0 : 1;
}

// The exit status of a probe that finds no running copy, told apart from
// a wrong command line (2) and a copy that does not answer (1).
constexpr int kNotRunning = 3;

// --status and --watch: they ask the copy that runs, and never become it.
int probe(int argc, char** argv, const Command& command) {
    QCoreApplication app(argc, argv);
    platform::installTranslations();
    const UserFiles files(platform::executableFolder(), platform::userConfigHome());
    if (command.kind == Command::Kind::Status) {
        QString why;
        const std::optional<QByteArray> state =
            platform::SingleInstance::askState(files.folder(), &why);
        if (!state && !why.isEmpty()) {
            std::fputs(("quorbel: " + why + u'\n').toLocal8Bit().constData(), stderr);
            return 1;
        }
        if (!state) {
            std::fputs((QCoreApplication::translate("main", "Quorbel is not running.") + u'\n')
                           .toLocal8Bit()
                           .constData(),
                       stderr);
            return kNotRunning;
        }
        const QString text = command.json
                                 ? QString::fromUtf8(*state) + u'\n'
                                 : statusLines(*state, QDateTime::currentMSecsSinceEpoch());
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    platform::ignoreBrokenPipes();
    PanelFeed feed(files.folder(), command.plain, [](const QByteArray& line) {
        return std::fputs((line + '\n').constData(), stdout) >= 0 && std::fflush(stdout) == 0;
    });
    QObject::connect(&feed, &PanelFeed::unread, &app, &QCoreApplication::quit);
    platform::whenOutputUnread(&app, [] { QCoreApplication::quit(); });
    return app.exec();
}

// Help, the version or a wrong command line, read again in the user's
// language, which needs an application object: the start ends here.
int tellAndEnd(const QStringList& arguments) {
    // Named as the user calls it, not by the path it was started by: help's
    // "Usage:" line says "quorbel".
    int count = 1;
    char name[] = "quorbel";
    char* named[] = {name, nullptr};
    QCoreApplication app(count, named);
    platform::installTranslations();
    const Command said = parseCommandLine(arguments);
    if (said.kind == Command::Kind::Error) {
        std::fputs(("quorbel: " + said.text + u'\n').toLocal8Bit().constData(), stderr);
        return 2;
    }
    std::fputs(said.text.toLocal8Bit().constData(), stdout);
    return 0;
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
    if (command.kind == Command::Kind::Error || command.kind == Command::Kind::Help ||
        command.kind == Command::Kind::Version)
        return tellAndEnd(arguments);
    if (command.kind == Command::Kind::Status || command.kind == Command::Kind::Watch)
        return probe(argc, argv, command);

    auto instance = std::make_unique<platform::SingleInstance>();
    if (const std::optional<int> ended = claimOrHandOver(argc, argv, *instance, command, arguments))
        return *ended;

    std::optional<platform::DisplayCheck> displayCheck(std::in_place);
    QApplication app(argc, argv);
    displayCheck.reset();
    // Hidden is not closed: the program lives on in the tray until its main
    // window closes, whatever other windows come and go.
    app.setQuitOnLastWindowClosed(false);
    useFacesFor(platform::installTranslations());
    tellInstanceMessage(*instance);

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
    // What the program's own command line did, as a later start would hear it.
    // Flushed: a script that reads the start's output through a pipe has
    // it now, not when the program ends.
    program.startUp(arguments, [](const platform::Instance::Response& answer) {
        std::FILE* out = answer.status ? stderr : stdout;
        std::fputs(answer.text.toLocal8Bit().constData(), out);
        std::fflush(out);
    });
    return app.exec();
}

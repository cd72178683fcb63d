// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// Qt's own options for a desktop program (-platform xcb, -display :1, and
// the like), which the application object takes up after this: known
// here, so that they are no error, and left out of the help.
void AcceptQtOptions(QCommandLineParser& parser) {
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                             "style", "stylesheet", "geometry", "qwindowgeometry", "title",
                             "qwindowtitle", "icon", "qwindowicon", "session", "name"}) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "nograb", "dograb", "sync"}) {
        QCommandLineOption option{QLatin1String(name)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

Command ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options come with one dash: "-platform" is one option, not seven.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AcceptQtOptions(parser);
    parser.setApplicationDescription(
        QStringLiteral("Countdown timers with messages, one-click quick timers, a two-alarm "
                       "clock with snooze, a stopwatch and a big clock, in one small window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // Without an application object Qt cannot name the program itself.
    const QString usage = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                    QCoreApplication::applicationName());
    if (!parser.parse(arguments))
        return {Command::Kind::Error, parser.errorText() + QStringLiteral("\n\n") + usage};
    if (!parser.positionalArguments().isEmpty()) {
        const QString unexpected = parser.positionalArguments().constFirst();
        return {Command::Kind::Error,
                QStringLiteral("Unexpected argument '%1'.\n\n").arg(unexpected) + usage};
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return {Command::Kind::Help, usage};
    if (parser.isSet(version))
        return {Command::Kind::Version, QCoreApplication::applicationName() + u' ' +
                                            QCoreApplication::applicationVersion() + u'\n'};
    return {};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopShortcuts.h"

#include "core/TimerNumbers.h"

#include <QCoreApplication>

namespace {

// The ids are the desktop's key to the user's bindings: never renamed.
struct Offered {
    const char* id;
    Command::Act act;
    const char* description;
};
constexpr Offered kOffered[] = {
    {"silence", Command::Act::Acknowledge,
     QT_TRANSLATE_NOOP("DesktopShortcuts", "Silence ringing timers and alarms")},
    {"snooze", Command::Act::Snooze,
     QT_TRANSLATE_NOOP("DesktopShortcuts", "Snooze ringing timers and alarms for %1 minutes")},
    {"show", Command::Act::Show, QT_TRANSLATE_NOOP("DesktopShortcuts", "Show Quorbel")},
};

} // namespace

DesktopShortcuts::DesktopShortcuts(CommandRunner& runner, platform::Shortcuts& shortcuts,
                                   HandlerEntry enter)
    : runner_(runner)
    , shortcuts_(shortcuts)
    , enter_(std::move(enter)) {}

void DesktopShortcuts::offer() {
    QList<platform::Shortcuts::Shortcut> offered;
    for (const Offered& shortcut : kOffered) {
        QString description = QCoreApplication::translate("DesktopShortcuts", shortcut.description);
        if (shortcut.act == Command::Act::Snooze)
            description = description.arg(timer::SnoozeMinutes);
        offered.append({QString::fromLatin1(shortcut.id), description});
    }
    shortcuts_.offerShortcuts(offered, [this](const QString& id) {
        enter_([this, &id] {
            for (const Offered& shortcut : kOffered) {
                if (id == QLatin1String(shortcut.id))
                    runner_.perform(Command::Action{shortcut.act});
            }
        });
    });
}

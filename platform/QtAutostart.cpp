// SPDX-License-Identifier: GPL-3.0-or-later
// "Start with the desktop": the XDG autostart entry that starts this copy
// of the program in the background with the session.
#include "QtPlatform.h"

#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <climits>
#include <unistd.h>

namespace platform {

namespace {

QString autostartEntry() {
    return userConfigHome() + QStringLiteral("/autostart/quorbel.desktop");
}

// Marks an entry as the program's own; any other is the user's.
const QByteArray kOwnKey = "X-Quorbel-Autostart";

// The keys of the entry's [Desktop Entry] group.
QHash<QByteArray, QByteArray> entryKeys(const QByteArray& text) {
    QHash<QByteArray, QByteArray> keys;
    bool inGroup = false;
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('['))
            inGroup = trimmed == "[Desktop Entry]";
        else if (const qsizetype equals = trimmed.indexOf('='); inGroup && equals > 0)
            keys.insert(trimmed.left(equals).trimmed(), trimmed.mid(equals + 1).trimmed());
    }
    return keys;
}

bool isOwn(const QHash<QByteArray, QByteArray>& keys) {
    return keys.value(kOwnKey) == "true";
}

// The program as the system started it, links resolved.
QByteArray runningProgram() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? QByteArray(path, length) : QByteArray();
}

} // namespace

QByteArray autostartEntryText(const QByteArray& program) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    [[maybe_unused]] const QString decoded = utf8.decode(program);
    // An entry's value holds no control character. Desktops that start the
    // entries through systemd (GNOME, Plasma) have its generator write each
    // as a unit, and it passes a \, $ or ` on escaped as no unit reads it:
    // GLib and systemd then start different programs, or none.
    const bool unfit = std::any_of(program.cbegin(), program.cend(), [](char c) {
        return uchar(c) < 0x20 || c == '\x7f' || c == '\\' || c == '$' || c == '`';
    });
    // systemd starts no program whose own path holds " or ', and both look
    // for the program before they undo %%: such a path goes to env as an
    // argument, which env would take for a variable if it held =.
    const bool throughEnv =
        program.contains('"') || program.contains('\'') || program.contains('%');
    if (program.isEmpty() || utf8.hasError() || unfit || (throughEnv && program.contains('=')))
        return {};
    // Inside the quotes of an argument a backslash escapes ", and the value's
    // own escaping then doubles that backslash; a field code's % stands for
    // itself only doubled.
    QByteArray quoted;
    for (const char c : program) {
        if (c == '"')
            quoted += "\\\\";
        else if (c == '%')
            quoted += '%';
        quoted += c;
    }
    return "[Desktop Entry]\nType=Application\nName=Quorbel\n"
           "Comment=Countdown timers, alarms and a stopwatch\n"
           "Exec=" +
           QByteArray(throughEnv ? "env " : "") + '"' + quoted +
           "\" --background\nIcon=org.quorbel.Quorbel\nX-GNOME-Autostart-enabled=true\n" + kOwnKey +
           "=true\n";
}

bool QtPlatform::startsWithDesktop() const {
    QByteArray text;
    if (readWholeFile(autostartEntry(), text) != FileState::Read)
        return false;
    // The program's own entry, for this copy, as a desktop reads it: one it
    // is told to skip starts nothing. The user's own entry, or one another
    // copy wrote, starts something else.
    const QHash<QByteArray, QByteArray> keys = entryKeys(text);
    const QByteArray mine = autostartEntryText(runningProgram());
    return isOwn(keys) && !mine.isEmpty() && keys.value("Exec") == entryKeys(mine).value("Exec") &&
           keys.value("Hidden") != "true" && keys.value("X-GNOME-Autostart-enabled") != "false";
}

Autostart::Change QtPlatform::setStartsWithDesktop(bool on) {
    const QString entry = autostartEntry();
    QByteArray old;
    if (QFileInfo(entry).exists() || QFileInfo(entry).isSymLink()) {
        if (readWholeFile(entry, old) != FileState::Read || !isOwn(entryKeys(old)))
            return Change::UsersOwn;
    }
    if (!on)
        return old.isEmpty() || QFile::remove(entry) ? Change::Done : Change::Failed;
    const QByteArray text = autostartEntryText(runningProgram());
    if (text.isEmpty())
        return Change::Unnameable;
    QDir().mkpath(QFileInfo(entry).absolutePath());
    return replace(entry, text) ? Change::Done : Change::Failed;
}

} // namespace platform

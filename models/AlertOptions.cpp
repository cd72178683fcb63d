// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlertOptions.h"

#include <QList>
#include <optional>

namespace {

const AlertTune kUntouched;

QByteArray SectionOf(int key) {
    return key > AlertOptions::kAlarm ? "alarm " + QByteArray::number(key - AlertOptions::kAlarm)
                                      : "timer " + QByteArray::number(key);
}

std::optional<int> KeyOf(const QByteArray& section) {
    const QList<QByteArray> words = section.simplified().split(' ');
    bool number = false;
    const int n = words.size() == 2 ? words[1].toInt(&number) : 0;
    if (!number)
        return std::nullopt;
    const int key = words[0] == "alarm" ? AlertOptions::AlarmKey(n) : words[0] == "timer" ? n : 0;
    return AlertOptions::Tunable(key) ? std::optional(key) : std::nullopt;
}

QByteArray SoundText(const AlertTune& tune) {
    switch (tune.sound) {
    case AlertTune::Sound::None:
        return "none";
    case AlertTune::Sound::Theme:
        return "theme:" + tune.source.toUtf8();
    case AlertTune::Sound::File:
        return "file:" + tune.source.toUtf8();
    case AlertTune::Sound::Design:
        break;
    }
    return "design";
}

void ReadSound(const QByteArray& value, AlertTune& tune) {
    if (value == "none") {
        tune.sound = AlertTune::Sound::None;
    } else if (value.startsWith("theme:") && value.size() > 6) {
        tune.sound = AlertTune::Sound::Theme;
        tune.source = QString::fromUtf8(value.mid(6));
    } else if (value.startsWith("file:") && value.size() > 5) {
        tune.sound = AlertTune::Sound::File;
        tune.source = QString::fromUtf8(value.mid(5));
    } else {
        tune.sound = AlertTune::Sound::Design;
        tune.source.clear();
    }
}

// A whole number within its bounds, else the value it had.
int Bounded(const QByteArray& value, int low, int high, int kept) {
    bool number = false;
    const int n = value.trimmed().toInt(&number);
    return number && n >= low && n <= high ? n : kept;
}

void ReadEntry(const QByteArray& name, const QByteArray& value, AlertTune& tune) {
    if (name == "sound")
        ReadSound(value, tune);
    else if (name == "volume")
        tune.volume = Bounded(value, 0, 100, tune.volume);
    else if (name == "soft")
        tune.softStart = value.trimmed() == "true";
    else if (name == "warn")
        tune.warnMinutes = Bounded(value, 0, 999, tune.warnMinutes);
    else if (name == "repeat")
        tune.repeat = value.trimmed() == "true";
}

} // namespace

const AlertTune& AlertOptions::Of(int key) const {
    const auto found = tunes_.constFind(key);
    return found == tunes_.constEnd() ? kUntouched : *found;
}

void AlertOptions::Set(int key, const AlertTune& tune) {
    if (!Tunable(key) || Of(key) == tune)
        return;
    if (tune == kUntouched)
        tunes_.remove(key);
    else
        tunes_.insert(key, tune);
    emit Changed(key);
}

QByteArray AlertOptions::Bytes() const {
    QByteArray bytes;
    for (auto it = tunes_.cbegin(); it != tunes_.cend(); ++it) {
        const AlertTune& tune = it.value();
        const auto flag = [](bool on) { return on ? QByteArray("true") : QByteArray("false"); };
        bytes += '[' + SectionOf(it.key()) + "]\nsound=" + SoundText(tune) +
                 "\nvolume=" + QByteArray::number(tune.volume) + "\nsoft=" + flag(tune.softStart) +
                 "\nwarn=" + QByteArray::number(tune.warnMinutes) +
                 "\nrepeat=" + flag(tune.repeat) + "\n\n";
    }
    return bytes;
}

void AlertOptions::Read(const QByteArray& bytes) {
    QMap<int, AlertTune> read;
    std::optional<int> key;
    for (QByteArray line : bytes.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            key = KeyOf(line.mid(1, line.size() - 2));
            if (key)
                read[*key] = read.value(*key);
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (key && equals > 0)
            ReadEntry(line.left(equals).trimmed(), line.mid(equals + 1), read[*key]);
    }
    for (auto it = read.cbegin(); it != read.cend(); ++it)
        Set(it.key(), it.value());
}

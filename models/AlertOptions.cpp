// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlertOptions.h"

#include <QList>
#include <QSet>
#include <algorithm>
#include <optional>

namespace {

const AlertTune kUntouched;

QByteArray sectionOf(int key) {
    return key > AlertOptions::kAlarm ? "alarm " + QByteArray::number(key - AlertOptions::kAlarm)
                                      : "timer " + QByteArray::number(key);
}

std::optional<int> keyOf(const QString& section) {
    const QStringList words = section.simplified().split(u' ');
    bool number = false;
    const int n = words.size() == 2 ? words[1].toInt(&number) : 0;
    if (!number)
        return std::nullopt;
    const int key = words[0] == u"alarm" ? AlertOptions::alarmKey(n) : words[0] == u"timer" ? n : 0;
    return AlertOptions::tunable(key) ? std::optional(key) : std::nullopt;
}

QByteArray soundText(const AlertTune& tune) {
    switch (tune.sound) {
    case AlertTune::Sound::None:
        return "none";
    case AlertTune::Sound::Theme:
        return "theme:" + tune.source.toUtf8();
    case AlertTune::Sound::File:
        return "file:" + tune.source.toUtf8();
    case AlertTune::Sound::Standard:
        break;
    }
    return "design";
}

void readSound(const QByteArray& value, AlertTune& tune) {
    if (value == "none") {
        tune.sound = AlertTune::Sound::None;
    } else if (value.startsWith("theme:") && value.size() > 6) {
        tune.sound = AlertTune::Sound::Theme;
        tune.source = QString::fromUtf8(value.mid(6));
    } else if (value.startsWith("file:") && value.size() > 5) {
        tune.sound = AlertTune::Sound::File;
        tune.source = QString::fromUtf8(value.mid(5));
    } else {
        tune.sound = AlertTune::Sound::Standard;
        tune.source.clear();
    }
}

// A whole number within its bounds, else the value it had.
int bounded(const QByteArray& value, int low, int high, int kept) {
    bool number = false;
    const int n = value.trimmed().toInt(&number);
    return number && n >= low && n <= high ? n : kept;
}

// Whether the line was an option of the tune's.
bool readEntry(const QByteArray& name, const QByteArray& value, AlertTune& tune) {
    if (name == "sound")
        readSound(value, tune);
    else if (name == "volume")
        tune.volume = bounded(value, 0, 100, tune.volume);
    else if (name == "soft")
        tune.softStart = value.trimmed() == "true";
    else if (name == "warn")
        tune.warnMinutes = bounded(value, 0, 999, tune.warnMinutes);
    else if (name == "repeat")
        tune.repeat = value.trimmed() == "true";
    else
        return false;
    return true;
}

// Kept lines end without the blank lines between sections, which the
// writer puts back.
void trim(QStringList& lines) {
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
}

} // namespace

const AlertTune& AlertOptions::of(int key) const {
    const auto found = tunes_.constFind(key);
    return found == tunes_.constEnd() ? kUntouched : *found;
}

void AlertOptions::set(int key, const AlertTune& tune) {
    if (!tunable(key) || of(key) == tune)
        return;
    if (tune == kUntouched)
        tunes_.remove(key);
    else
        tunes_.insert(key, tune);
    emit changed(key);
}

QByteArray AlertOptions::bytes() const {
    QString text;
    for (const QString& line : before_)
        text += line + u'\n';
    if (!before_.isEmpty())
        text += u'\n';
    QList<int> keys = tunes_.keys() + within_.keys();
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (const int key : keys) {
        text += u'[' + QString::fromUtf8(sectionOf(key)) + QStringLiteral("]\n");
        if (tunes_.contains(key)) {
            const AlertTune& tune = tunes_[key];
            const auto flag = [](bool on) { return on ? QStringLiteral("true") : u"false"_qs; };
            text += QStringLiteral("sound=") + QString::fromUtf8(soundText(tune)) +
                    QStringLiteral("\nvolume=") + QString::number(tune.volume) +
                    QStringLiteral("\nsoft=") + flag(tune.softStart) + QStringLiteral("\nwarn=") +
                    QString::number(tune.warnMinutes) + QStringLiteral("\nrepeat=") +
                    flag(tune.repeat) + u'\n';
        }
        for (const QString& line : within_.value(key))
            text += line + u'\n';
        text += u'\n';
    }
    for (const QString& line : unknown_)
        text += line + u'\n';
    return encodeText(crlf_ ? text.replace(u'\n', QStringLiteral("\r\n")) : text, encoding_);
}

void AlertOptions::readFile(const QByteArray& bytes) {
    const DecodedText decoded = decodeText(bytes);
    encoding_ = decoded.encoding;
    // The first line's end is the file's.
    const qsizetype end = decoded.text.indexOf(u'\n');
    crlf_ = end > 0 && decoded.text[end - 1] == u'\r';
    before_.clear();
    within_.clear();
    unknown_.clear();
    QMap<int, AlertTune> read;
    QMap<int, QSet<QByteArray>> named;
    std::optional<int> key;
    bool inUnknown = false;
    for (QString line : decoded.text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            key = keyOf(trimmed.mid(1, trimmed.size() - 2));
            inUnknown = !key;
            if (key) {
                read[*key] = read.value(*key);
                trim(within_[*key]);
            } else {
                trim(unknown_);
                if (!unknown_.isEmpty())
                    unknown_ << QString();
                unknown_ << line;
            }
            continue;
        }
        const qsizetype equals = trimmed.indexOf(u'=');
        const QByteArray name = trimmed.left(equals).trimmed().toUtf8();
        if (key && equals > 0 && !named[*key].contains(name) &&
            readEntry(name, trimmed.mid(equals + 1).toUtf8(), read[*key])) {
            named[*key].insert(name);
            continue;
        }
        QStringList& kept = key ? within_[*key] : inUnknown ? unknown_ : before_;
        if (!trimmed.isEmpty() || !kept.isEmpty())
            kept << line;
    }
    trim(before_);
    trim(unknown_);
    for (QStringList& lines : within_)
        trim(lines);
    within_.removeIf([](const auto& section) { return section.value().isEmpty(); });
    for (auto it = read.cbegin(); it != read.cend(); ++it)
        set(it.key(), it.value());
}
